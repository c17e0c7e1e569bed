// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/input/ControllerSwitches.h"

#include "game/screen/Screen.h"

#include <gtest/gtest.h>
#include <string>

// One session of button presses on two controllers, in order: the first button is Space and
// every other Enter; a switch goes down once however many of its buttons are held, and up with
// the last of them; an unplugged controller lets go of what it held.
TEST(ControllerSwitches, ButtonsBecomeTheTwoSwitchesEachHeldOnce) {
    enum Action { Down, Up, Gone };
    struct Row {
        int controller;
        int button;
        Action action;
        int firstButton;
        std::string heard;
    };
    const std::string space = std::to_string(kKeySpace);
    const std::string enter = std::to_string(kKeyEnter);
    const Row rows[] = {
        {0, 0, Down, 0, "down " + space},
        {0, 0, Down, 0, ""}, // sent again while held
        {0, 0, Up, 0, "up " + space},
        {0, 0, Up, 0, ""}, // a release without its press
        {0, 1, Down, 0, "down " + enter},
        {0, 7, Down, 0, ""}, // another button of the held second switch
        {0, 1, Up, 0, ""},   // ... which stays down while that one is held
        {0, 7, Up, 0, "up " + enter},
        {0, 3, Down, 3, "down " + space}, // the adult chose button 3 as the first switch
        {0, 0, Down, 3, "down " + enter},
        {0, 3, Up, 0, "up " + space},     // chosen anew meanwhile: lifts the key it went down as
        {1, 0, Down, 0, "down " + space}, // a second controller
        {1, 0, Down, 0, ""},
        {0, 0, Gone, 0, "up " + enter}, // unplugged with button 0 held as the second switch
        {0, 0, Up, 0, ""},
        {1, 0, Gone, 0, "up " + space},
        {1, 0, Up, 0, ""},
    };
    ControllerSwitches switches;
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        const auto changes =
            row.action == Gone
                ? switches.controllerGone(row.controller)
                : switches.button(row.controller, row.button, row.action == Down, row.firstButton);
        std::string heard;
        for (const ControllerSwitches::Change& change : changes) {
            heard += (heard.empty() ? "" : ", ") + std::string(change.down ? "down " : "up ") +
                     std::to_string(change.key);
        }
        EXPECT_EQ(heard, row.heard) << "row " << i;
    }
}

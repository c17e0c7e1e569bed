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
    const int space = kKeySpace, enter = kKeyEnter, none = 0;
    const struct {
        int controller, button;
        Action action;
        int firstButton, key; // the key that goes down or up; none: nothing changes
    } rows[] = {
        {0, 0, Down, 0, space}, {0, 0, Down, 0, none}, // sent again while held
        {0, 0, Up, 0, space},   {0, 0, Up, 0, none},   // a release without its press
        {0, 1, Down, 0, enter}, {0, 7, Down, 0, none}, // another button of the held switch
        {0, 1, Up, 0, none},    {0, 7, Up, 0, enter},  // up with the last of its buttons
        {0, 3, Down, 3, space},                        // the adult chose button 3 as the first
        {0, 0, Down, 3, enter}, {0, 3, Up, 0, space},  // chosen anew: up as the key it went down
        {1, 0, Down, 0, space},                        // a second controller
        {0, 0, Gone, 0, enter}, {0, 0, Up, 0, none},   // unplugged with its button held
        {1, 0, Gone, 0, space},
    };
    ControllerSwitches switches;
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const auto& row = rows[i];
        const auto changes =
            row.action == Gone
                ? switches.controllerGone(row.controller)
                : switches.button(row.controller, row.button, row.action == Down, row.firstButton);
        ASSERT_EQ(changes.size(), row.key == none ? 0u : 1u) << "row " << i;
        if (row.key != none) {
            EXPECT_EQ(changes[0].key, row.key) << "row " << i;
            EXPECT_EQ(changes[0].down, row.action == Down) << "row " << i;
        }
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Switch interfaces that present themselves as game controllers: each button stands for one of
// the two switches, the adult's chosen first button for the first switch (Space) and every other
// button for the second (Enter). A switch counts once while held, as a held key does: its key goes
// down when the first of its buttons goes down and up when the last is let go, whatever the
// controllers send meanwhile.
#pragma once

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

class ControllerSwitches {
public:
    // A switch key going down or up.
    struct Change {
        bool down = true;
        int key = 0;
        bool operator==(const Change&) const = default;
    };

    // The virtual-key codes of the two switches: Space and Enter.
    static constexpr int kFirstSwitchKey = 32;
    static constexpr int kSecondSwitchKey = 13;

    // The switch key that `button` stands for when `firstButton` is the first switch.
    static int keyFor(int button, int firstButton);

    // Button `button` of controller `controller` went down or up; what the switches do, if
    // anything.
    std::vector<Change> button(std::int32_t controller, int button, bool down, int firstButton);
    // The controller was unplugged: the switches only it held are let go.
    std::vector<Change> controllerGone(std::int32_t controller);

private:
    std::vector<Change> release(std::map<std::pair<std::int32_t, int>, int>::iterator held);
    bool keyHeld(int key) const;

    // Each held button with the key it went down as, so its release lifts that key even when
    // the first button was chosen anew meanwhile.
    std::map<std::pair<std::int32_t, int>, int> held_;
};

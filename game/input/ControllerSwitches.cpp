// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControllerSwitches.h"

#include "common/controllers/ControllerSwitch.h"

#include <algorithm>

int ControllerSwitches::keyFor(int button, int firstButton) {
    return switchOfButton(button, firstButton) == ControllerSwitch::First ? kFirstSwitchKey
                                                                          : kSecondSwitchKey;
}

bool ControllerSwitches::keyHeld(int key) const {
    return std::any_of(held_.begin(), held_.end(),
                       [key](const auto& held) { return held.second == key; });
}

std::vector<ControllerSwitches::Change>
ControllerSwitches::button(std::int32_t controller, int button, bool down, int firstButton) {
    const auto held = held_.find({controller, button});
    if (!down) {
        return held == held_.end() ? std::vector<Change>{} : release(held);
    }
    if (held != held_.end()) {
        return {}; // a down the controller sent again
    }
    const int key = keyFor(button, firstButton);
    const bool wasHeld = keyHeld(key);
    held_.emplace(std::make_pair(controller, button), key);
    return wasHeld ? std::vector<Change>{} : std::vector<Change>{{true, key}};
}

std::vector<ControllerSwitches::Change>
ControllerSwitches::release(std::map<std::pair<std::int32_t, int>, int>::iterator held) {
    const int key = held->second;
    held_.erase(held);
    return keyHeld(key) ? std::vector<Change>{} : std::vector<Change>{{false, key}};
}

std::vector<ControllerSwitches::Change>
ControllerSwitches::controllerGone(std::int32_t controller) {
    std::vector<Change> changes;
    auto held = held_.lower_bound({controller, 0});
    while (held != held_.end() && held->first.first == controller) {
        const auto next = std::next(held);
        for (const Change& change : release(held)) {
            changes.push_back(change);
        }
        held = next;
    }
    return changes;
}

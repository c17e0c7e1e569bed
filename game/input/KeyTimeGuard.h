// SPDX-License-Identifier: GPL-3.0-or-later
// The key-time guard of the activities that use it: a press that comes sooner than `keyTime`
// seconds after the last accepted one is ignored, so a child's tremor or bounce on a switch
// does not count twice. The time of the last accepted press outlives the screen.
#pragma once

#include "game/platform/Clock.h"

#include <cstdint>

// True, recording now as the last accepted press, when enough time has passed.
inline bool acceptPressAfterKeyTime(const Clock& clock, std::uint32_t& lastAccepted,
                                    float keyTime) {
    const std::uint32_t now = clock.milliseconds();
    if (keyTime * 1000.0f > static_cast<float>(elapsedMilliseconds(now, lastAccepted))) {
        return false;
    }
    lastAccepted = now;
    return true;
}

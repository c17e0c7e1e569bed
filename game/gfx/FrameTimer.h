// SPDX-License-Identifier: GPL-3.0-or-later
// Seconds between two ticks, for things that move by elapsed time rather than by turns.
#pragma once

#include "game/platform/Clock.h"

#include <cstdint>

class FrameTimer {
public:
    explicit FrameTimer(const Clock& clock) : clock_(&clock) { start(); }

    void start();
    // dt becomes the seconds since the previous tick (or restart).
    void tick();
    // The next tick measures from now, or from `alreadyMilliseconds` before now.
    void restart(std::uint32_t alreadyMilliseconds = 0);

    float dt = 0;

private:
    // A clock without a high-resolution counter (frequency 0) is measured in milliseconds.
    bool highResolution_ = true;
    const Clock* clock_;
    std::uint64_t previous_ = 0;
    std::uint32_t previousMs_ = 0;
};

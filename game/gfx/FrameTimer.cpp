// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/FrameTimer.h"

void FrameTimer::start() {
    highResolution_ = clock_->performanceFrequency() != 0;
    if (highResolution_) {
        previous_ = clock_->performanceCounter();
    } else {
        previousMs_ = clock_->milliseconds();
    }
    dt = 0;
}

void FrameTimer::tick() {
    if (highResolution_) {
        const std::uint64_t now = clock_->performanceCounter();
        dt = static_cast<float>(static_cast<double>(now - previous_) /
                                static_cast<double>(clock_->performanceFrequency()));
        previous_ = now;
    } else {
        const std::uint32_t now = clock_->milliseconds();
        dt = static_cast<float>(elapsedMilliseconds(now, previousMs_)) * 0.001f;
        previousMs_ = now;
    }
}

void FrameTimer::restart(std::uint32_t alreadyMilliseconds) {
    if (highResolution_) {
        const std::uint64_t now = clock_->performanceCounter();
        const std::uint64_t already =
            std::uint64_t{alreadyMilliseconds} * clock_->performanceFrequency() / 1000;
        previous_ = now > already ? now - already : 0;
    } else {
        previousMs_ = clock_->milliseconds() - alreadyMilliseconds; // wraps as the clock does
    }
}

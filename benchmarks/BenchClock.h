// SPDX-License-Identifier: GPL-3.0-or-later
// The clock a benchmark moves by hand, so that every turn it times lies a display refresh after
// the one before and each changed frame is really drawn. It starts well above zero, as the
// game's clock does after a while, so that a last-press time of zero lies far in the past.
#pragma once

#include "game/platform/Clock.h"

#include <cstdint>

class BenchClock : public Clock {
public:
    std::uint32_t milliseconds() const override {
        return static_cast<std::uint32_t>(micros_ / 1000);
    }
    std::uint64_t performanceCounter() const override { return micros_; }
    std::uint64_t performanceFrequency() const override { return 1'000'000; }
    std::uint32_t wallSeconds() const override { return 1'800'000'000; }

    void advanceMilliseconds(std::uint32_t ms) { micros_ += std::uint64_t{ms} * 1000; }

private:
    std::uint64_t micros_ = std::uint64_t{100'000'000} * 1000;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// A clock that tests move by hand. It starts well above zero, since a last-press time of zero
// must lie far in the past.
#pragma once

#include "game/platform/Clock.h"

class FakeClock : public Clock {
public:
    static constexpr std::uint64_t kFrequency = 1'000'000;

    std::uint32_t milliseconds() const override {
        return static_cast<std::uint32_t>(micros_ / 1000);
    }
    std::uint64_t performanceCounter() const override { return micros_; }
    std::uint64_t performanceFrequency() const override { return kFrequency; }
    std::uint32_t wallSeconds() const override { return wallSeconds_; }

    void advanceMilliseconds(std::uint32_t ms) { micros_ += std::uint64_t{ms} * 1000; }
    void setWallSeconds(std::uint32_t seconds) { wallSeconds_ = seconds; }

private:
    std::uint64_t micros_ = std::uint64_t{100'000'000} * 1000; // 100 000 s after the start
    std::uint32_t wallSeconds_ = 1'800'000'000;
};

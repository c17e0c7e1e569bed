// SPDX-License-Identifier: GPL-3.0-or-later
// A local wall clock that runs with a test's game clock from a set moment, so the session log's
// time stamps follow the time the test moves by hand. A test stays within its day.
#pragma once

#include "game/log/LocalClock.h"
#include "game/platform/Clock.h"

class FakeLocalClock : public LocalClock {
public:
    explicit FakeLocalClock(const Clock& clock) : clock_(clock), since_(clock.milliseconds()) {}

    // The local time when the fake was made.
    LocalTime start{2026, 3, 14, 9, 30, 0, 0};

    LocalTime now() const override {
        long long ms = ((start.hour * 60LL + start.minute) * 60 + start.second) * 1000 +
                       start.millisecond + elapsedMilliseconds(clock_.milliseconds(), since_);
        LocalTime time = start;
        time.millisecond = static_cast<int>(ms % 1000);
        time.second = static_cast<int>(ms / 1000 % 60);
        time.minute = static_cast<int>(ms / 60'000 % 60);
        time.hour = static_cast<int>(ms / 3'600'000 % 24);
        return time;
    }

private:
    const Clock& clock_;
    std::uint32_t since_;
};

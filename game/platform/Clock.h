// SPDX-License-Identifier: GPL-3.0-or-later
// The clocks the game runs on: milliseconds for scanning, pauses and the key-time guard, a
// high-resolution counter for motion, and the wall clock's seconds for seeding the random
// generator. Screens get a Clock from the screen factory, so tests can drive time by hand.
#pragma once

#include <cstdint>

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since some fixed moment; wraps after 49 days, so moments are compared only
    // through elapsedMilliseconds.
    virtual std::uint32_t milliseconds() const = 0;
    virtual std::uint64_t performanceCounter() const = 0;
    // Counts per second of performanceCounter.
    virtual std::uint64_t performanceFrequency() const = 0;
    // Seconds of the wall clock, for seeding.
    virtual std::uint32_t wallSeconds() const = 0;
};

// The milliseconds from `since` to `now`, right across the clock's wrap: the one way the game
// compares moments. A timer keeps the moment its wait began and asks whether more than its span
// has elapsed since; a moment reckoned ahead (now + span) and compared with < or > goes wrong
// near the wrap. Right for spans shorter than the 49 days of one wrap.
inline std::uint32_t elapsedMilliseconds(std::uint32_t now, std::uint32_t since) {
    return now - since;
}

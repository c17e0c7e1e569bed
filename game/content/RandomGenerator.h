// SPDX-License-Identifier: GPL-3.0-or-later
// The program-wide random generator. It behaves exactly like the C runtime generator the game's
// randomness was designed around (results 0 to 32767), so the same seed gives the same game on
// every platform and tests can seed it.
#pragma once

#include <cstdint>

class RandomGenerator {
public:
    static constexpr int kMax = 32767;

    explicit RandomGenerator(std::uint32_t seed = 1) : state_(seed) {}

    void seed(std::uint32_t seed) { state_ = seed; }

    // 0 to 32767.
    int next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }

private:
    std::uint32_t state_;
};

// A random integer from low to high inclusive (low <= high); each value can come out.
int randomInRange(RandomGenerator& generator, int low, int high);

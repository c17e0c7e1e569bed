// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingCycles.h"

#include <array>
#include <cstdint>

namespace {

// One up, or `restart` once the step would pass `highest`. Worked out in 64 bits, so the largest
// integer a file can hold steps round instead of overflowing.
int stepped(int value, int highest, int restart) {
    const std::int64_t next = std::int64_t{value} + 1;
    return next > highest ? restart : static_cast<int>(next);
}

template <std::size_t N> int nextInRing(int value, const std::array<int, N>& ring) {
    for (std::size_t i = 0; i < N; ++i) {
        if (ring[i] == value) {
            return ring[(i + 1) % N];
        }
    }
    return value;
}

} // namespace

namespace SettingCycles {

float nextKeyTime(float keyTime) {
    constexpr float kStart = 0.2f;
    // The sum in double precision, as the cycle's thresholds were chosen for it.
    const double sum = static_cast<double>(keyTime) + 0.2;
    if (!(sum <= 1.1)) { // also catches a sum that is not a number
        return kStart;
    }
    const auto next = static_cast<float>(sum);
    return next > keyTime ? next : kStart;
}

int nextScanTime(int scanTime) {
    return stepped(scanTime, 5, 1);
}

int nextNumPatterns(int numPatterns) {
    return nextInRing(numPatterns, std::array<int, 4>{1, 2, 4, 8});
}

int nextNumFinds(int numFinds) {
    return stepped(numFinds, 4, 2);
}

int nextFindPause(int findPause) {
    return stepped(findPause, 10, 2);
}

int nextSpeed(int speed) {
    return nextInRing(speed, std::array<int, 3>{75, 50, 25});
}

int nextLineWidth(int lineWidth) {
    return nextInRing(lineWidth, std::array<int, 3>{10, 20, 30});
}

int nextContactMode(int contactMode) {
    return stepped(contactMode, 2, 0);
}

int toggled(int flag) {
    return flag ^ 1;
}

} // namespace SettingCycles

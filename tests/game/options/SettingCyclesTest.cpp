// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/options/SettingCycles.h"

#include <climits>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

using namespace SettingCycles;

TEST(SettingCyclesTest, KeyTimeComesRoundExactlyAndNeverGetsStuck) {
    float keyTime = 0.2f;
    for (int press = 0; press < 4; ++press) {
        keyTime = nextKeyTime(keyTime);
    }
    EXPECT_EQ(keyTime, 1.0f); // no rounding drift that would step past the end
    EXPECT_EQ(nextKeyTime(keyTime), 0.2f);
    const std::pair<float, float> outside[] = {
        {0.9f, 1.1f}, // as a float 0.9 lies a little below: the sum stays below 1.1
        {1.1f, 0.2f},
        // Values the step cannot move any more start the cycle again.
        {-std::numeric_limits<float>::infinity(), 0.2f},
        {std::numeric_limits<float>::quiet_NaN(), 0.2f}};
    for (const auto& [from, to] : outside) {
        EXPECT_NEAR(nextKeyTime(from), to, 1e-6) << from;
    }
}

TEST(SettingCyclesTest, EveryIntegerSettingRunsThroughItsCycle) {
    const struct {
        std::function<int(int)> next;
        int from;
        std::vector<int> presses;
    } cases[] = {
        {nextScanTime, 1, {2, 3, 4, 5, 1}}, {nextScanTime, INT_MAX, {1}},
        {nextNumPatterns, 1, {2, 4, 8, 1}}, {nextNumPatterns, 3, {3}},
        {nextNumFinds, 2, {3, 4, 2}},       {nextFindPause, 9, {10, 2}},
        {nextSpeed, 75, {50, 25, 75}},      {nextLineWidth, 10, {20, 30, 10}},
        {nextContactMode, 7, {0}},          {toggled, 2, {3, 2}},
    };
    for (const auto& c : cases) {
        std::vector<int> seen;
        int value = c.from;
        for (std::size_t i = 0; i < c.presses.size(); ++i) {
            seen.push_back(value = c.next(value));
        }
        EXPECT_EQ(seen, c.presses) << "from " << c.from;
    }
}

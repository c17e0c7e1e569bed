// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/options/SettingCycles.h"

#include "common/text/NumberText.h"

#include <climits>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

using namespace SettingCycles;

TEST(SettingCyclesTest, KeyTimeStepsAsTheFileWritesItAndNeverGetsStuck) {
    // As the options file writes them, so each value is the one the file will hold.
    float keyTime = 0.2f;
    for (const char* text :
         {"0.40000000596", "0.600000023842", "0.800000011921", "1.", "0.20000000298"}) {
        keyTime = nextKeyTime(keyTime);
        EXPECT_EQ(formatSignificant(static_cast<double>(keyTime), 12), text);
    }
    constexpr float kInfinity = std::numeric_limits<float>::infinity();
    const std::pair<float, float> outside[] = {
        {0.5f, 0.7f},
        {0.9f, 1.1f}, // as a float 0.9 lies a little below: the sum stays below 1.1
        {1.1f, 0.2f},
        {-0.1f, 0.1f},
        {kInfinity, 0.2f},
        // Values the step cannot move any more start the cycle again.
        {-kInfinity, 0.2f},
        {-1.0e30f, 0.2f},
        {std::numeric_limits<float>::quiet_NaN(), 0.2f}};
    for (const auto& [from, to] : outside) {
        EXPECT_NEAR(nextKeyTime(from), to, 1e-6) << from;
    }
}

TEST(SettingCyclesTest, EveryIntegerSettingRunsThroughItsCycle) {
    struct Case {
        std::function<int(int)> next;
        int from;
        std::vector<int> presses;
    };
    const Case cases[] = {
        {nextScanTime, 1, {2, 3, 4, 5, 1}},
        {nextScanTime, 9, {1}},
        {nextScanTime, -1, {0, 1}},
        {nextScanTime, INT_MAX, {1}},
        {nextNumPatterns, 1, {2, 4, 8, 1}},
        {nextNumPatterns, 3, {3}},
        {nextNumFinds, 2, {3, 4, 2}},
        {nextNumFinds, 0, {1, 2}},
        {nextFindPause, 9, {10, 2}},
        {nextFindPause, INT_MAX, {2}},
        {nextSpeed, 75, {50, 25, 75}},
        {nextSpeed, 60, {60}},
        {nextLineWidth, 10, {20, 30, 10}},
        {nextLineWidth, 15, {15}},
        {nextContactMode, 0, {1, 2, 0}},
        {nextContactMode, 7, {0}},
        {toggled, 0, {1, 0}},
        {toggled, 2, {3, 2}},
        {toggled, -1, {-2, -1}},
    };
    for (const Case& c : cases) {
        std::vector<int> seen;
        int value = c.from;
        for (std::size_t i = 0; i < c.presses.size(); ++i) {
            seen.push_back(value = c.next(value));
        }
        EXPECT_EQ(seen, c.presses) << "from " << c.from;
    }
}

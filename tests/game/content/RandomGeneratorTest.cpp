// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/content/RandomGenerator.h"

#include <gtest/gtest.h>
#include <set>

TEST(RandomGenerator, ARangeGivesEveryValueInItAndNoOther) {
    RandomGenerator generator(12345);
    for (const auto& [low, high] : {std::pair{-3, 3}, std::pair{5, 5}, std::pair{0, 32767}}) {
        std::set<int> seen;
        for (int i = 0; i < 1000000; ++i) {
            seen.insert(randomInRange(generator, low, high));
        }
        EXPECT_EQ(*seen.begin(), low);
        EXPECT_EQ(*seen.rbegin(), high);
        EXPECT_EQ(static_cast<int>(seen.size()), high - low + 1) << low << ".." << high;
    }
}

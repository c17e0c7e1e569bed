// SPDX-License-Identifier: GPL-3.0-or-later
// The moves of the colour arrows between the palette's entries.
#include "editor/lists/ExerciseColours.h"

#include <array>
#include <gtest/gtest.h>

// The arrows wrap between the ends; finding a colour searches onwards from where the arrows are.
TEST(ExerciseColours, ArrowsWrapBetweenTheEndsAndFindingSearchesOnwards) {
    for (const auto& [from, next, previous] : {std::array{0, 1, 18}, std::array{18, 0, 17}}) {
        EXPECT_EQ(ExerciseColours::next(from), next) << from;
        EXPECT_EQ(ExerciseColours::previous(from), previous) << from;
    }
    EXPECT_EQ(ExerciseColours::findColourIndex(5, 0xFF000000), 1);  // black, past 18
    EXPECT_EQ(ExerciseColours::findColourIndex(0, 0x00FFFFFF), 18); // no colour of its own
    EXPECT_EQ(ExerciseColours::findColourIndex(7, 0xFF123456), 7);  // not in the palette: stays
}

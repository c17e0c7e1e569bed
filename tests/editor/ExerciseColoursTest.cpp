// SPDX-License-Identifier: GPL-3.0-or-later
// The moves of the colour arrows between the palette's entries.
#include "editor/lists/ExerciseColours.h"

#include <gtest/gtest.h>

TEST(ExerciseColours, ArrowsWrapBetweenTheEnds) {
    const struct {
        int from;
        int next;
        int previous;
    } cases[] = {{0, 1, 18}, {1, 2, 0}, {17, 18, 16}, {18, 0, 17}};
    for (const auto& c : cases) {
        EXPECT_EQ(ExerciseColours::next(c.from), c.next) << c.from;
        EXPECT_EQ(ExerciseColours::previous(c.from), c.previous) << c.from;
    }
}

TEST(ExerciseColours, FindColourIndexSearchesOnwardsFromTheCurrentIndex) {
    const struct {
        int start;
        std::uint32_t colour;
        int found;
    } cases[] = {
        {0, 0xFF000000, 1},  // black
        {5, 0xFF000000, 1},  // wraps past 18
        {1, 0xFF000000, 1},  // already there
        {0, 0x00FFFFFF, 18}, // no colour of its own
        {7, 0xFF123456, 7},  // not in the palette: stays
        {0, 0xFFFFFFFE, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExerciseColours::findColourIndex(c.start, c.colour), c.found)
            << c.start << " " << std::hex << c.colour;
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/shell/DisplayModeChoice.h"

#include <gtest/gtest.h>

TEST(DisplayModeChoice, Takes800x600At16Then32Then8BitsCountedByBytesPerPixel) {
    const OfferedDisplayMode desktop{1920, 1080, 4};
    const OfferedDisplayMode trueColour{800, 600, 4}; // reported as 24 bits of colour
    const OfferedDisplayMode palette{800, 600, 1};
    const struct {
        std::vector<OfferedDisplayMode> offered;
        std::optional<std::size_t> index;
        int bits;
    } cases[] = {
        {{desktop, palette, trueColour, {800, 600, 2}}, 3, 16},
        {{palette, trueColour}, 1, 32},
        {{desktop, palette}, 1, 8},
        {{desktop, {800, 600, 3}, {1024, 768, 2}, {800, 640, 4}}, std::nullopt, 0},
    };
    for (const auto& c : cases) {
        const std::optional<ChosenDisplayMode> chosen = chooseGameDisplayMode(c.offered);
        ASSERT_EQ(chosen.has_value(), c.index.has_value()) << c.offered.size();
        if (chosen) {
            EXPECT_EQ(chosen->index, *c.index);
            EXPECT_EQ(chosen->bitsPerPixel, c.bits);
        }
    }
}

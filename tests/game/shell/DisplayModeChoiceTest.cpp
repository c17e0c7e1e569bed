// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/shell/DisplayModeChoice.h"

#include <gtest/gtest.h>

TEST(DisplayModeChoice, Takes800x600At16Then32Then8BitsCountedByBytesPerPixel) {
    const OfferedDisplayMode desktop{1920, 1080, 4};
    const OfferedDisplayMode palette{800, 600, 1};
    const struct {
        std::vector<OfferedDisplayMode> offered;
        std::optional<std::size_t> index;
        int bits;
    } cases[] = {
        // 4 bytes a pixel are reported as 24 bits of colour.
        {{desktop, palette, {800, 600, 4}, {800, 600, 2}}, 3, 16},
        {{palette, {800, 600, 4}}, 1, 32},
        {{desktop, palette}, 1, 8},
        {{desktop, {800, 600, 3}, {1024, 768, 2}, {800, 640, 4}}, std::nullopt, 0},
    };
    for (const auto& c : cases) {
        const std::optional<ChosenDisplayMode> chosen = chooseGameDisplayMode(c.offered);
        EXPECT_EQ(chosen ? std::optional(chosen->index) : std::nullopt, c.index);
        EXPECT_EQ(chosen ? chosen->bitsPerPixel : 0, c.bits);
    }
}

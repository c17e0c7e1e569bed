// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/pictures/ReadableText.h"

#include <gtest/gtest.h>

// Backgrounds adults give exercises, and the word each needs; alpha plays no part.
TEST(ReadableTextTest, TheWordIsWhiteOnDarkAndBlackOnLightBackgrounds) {
    constexpr std::uint32_t kBlack = 0xFF000000;
    constexpr std::uint32_t kWhite = 0xFFFFFFFF;
    const std::tuple<const char*, std::uint32_t, std::uint32_t, double> cases[] = {
        {"black", kBlack, kWhite, 21.0},
        {"white", kWhite, kBlack, 21.0},
        {"the menu's dark blue", 0xFF2236AA, kWhite, 9.65},
        {"the grey where both just pass", 0xFF767676, kBlack, 4.62},
        {"translucent yellow", 0x40FFFF00, kBlack, 19.56},
    };
    for (const auto& [what, background, word, contrast] : cases) {
        EXPECT_EQ(readableTextColour(background), word) << what;
        EXPECT_NEAR(contrastRatio(background, word), contrast, 0.01) << what;
    }
}

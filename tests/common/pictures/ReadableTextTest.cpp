// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/pictures/ReadableText.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;

// Backgrounds adults give exercises, and the word each needs; alpha plays no part.
TEST(ReadableTextTest, TheWordIsWhiteOnDarkAndBlackOnLightBackgrounds) {
    const std::tuple<const char*, std::uint32_t, std::uint32_t, double> cases[] = {
        {"black", 0xFF000000, kWhite, 21.0},
        {"white", 0xFFFFFFFF, kBlack, 21.0},
        {"the menu's dark blue", 0xFF2236AA, kWhite, 9.65},
        {"sky blue", 0xFF3FCEFD, kBlack, 11.46},
        {"pure red", 0xFFFF0000, kBlack, 5.25},
        {"mid grey", 0xFF808080, kBlack, 5.32},
        {"the grey where both just pass", 0xFF767676, kBlack, 4.62},
        {"transparent black", 0x00000000, kWhite, 21.0},
        {"translucent yellow", 0x40FFFF00, kBlack, 19.56},
    };
    for (const auto& [what, background, word, contrast] : cases) {
        EXPECT_EQ(readableTextColour(background), word) << what;
        EXPECT_NEAR(contrastRatio(background, word), contrast, 0.01) << what;
    }
}

// Whatever the background, the chosen colour is the better one and reaches 4.5:1.
TEST(ReadableTextTest, EveryBackgroundGetsTheBetterColourAtLeastFourAndAHalfToOne) {
    for (std::uint32_t red = 0; red < 256; red += 15) {
        for (std::uint32_t green = 0; green < 256; green += 15) {
            for (std::uint32_t blue = 0; blue < 256; blue += 15) {
                const std::uint32_t background = 0xFF000000 | red << 16 | green << 8 | blue;
                const std::uint32_t word = readableTextColour(background);
                const std::uint32_t other = word == kBlack ? kWhite : kBlack;
                ASSERT_GE(contrastRatio(background, word), 4.5) << std::hex << background;
                ASSERT_GE(contrastRatio(background, word), contrastRatio(background, other))
                    << std::hex << background;
            }
        }
    }
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/pictures/ReadableText.h"

#include "common/pictures/WordFit.h"

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

// A word too wide for the game at its full height is drawn smaller, down to a readable height, then
// wrapped at its most even space, smaller still if need be; a word without a space only shrinks.
// Measured as a font whose letters are half as wide as it is high.
TEST(ReadableTextTest, AWordTooWideShrinksToAReadableHeightThenWraps) {
    const auto halfWide = [](std::u16string_view line, int pixels) {
        return static_cast<float>(line.size()) * static_cast<float>(pixels) / 2;
    };
    const std::u16string phrase = u"The big grey hippopotamus and the green crocodile";
    const std::tuple<std::u16string, FittedWord> cases[] = {
        {u"cat", {80, u"cat"}},
        {u"", {80, u""}},
        {u"Hippopotamus and crocodile", {60, u"Hippopotamus and crocodile"}},
        {phrase, {40, u"The big grey hippopotamus\nand the green crocodile"}},
        {phrase + u" " + phrase, {30, phrase + u"\n" + phrase}},
        {std::u16string(70, u'x'), {22, std::u16string(70, u'x')}},
    };
    for (const auto& [word, fitted] : cases) {
        EXPECT_EQ(fitWord(word, halfWide), fitted) << word.size() << " letters";
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of any length from a list line, measured and drawn by the real text back end: a text is
// never laid out larger than the game could use, so a word of a megabyte costs what a long word
// costs (BadContentTest plays such lists within a memory budget), and its beginning shows.
#include "SoftwareCanvas.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kBack = 0x102030;
constexpr float kLargestSide = 4096;

std::u16string repeated(std::u16string_view piece, std::size_t times) {
    std::u16string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

} // namespace

class LongTextTest : public ::testing::Test, public DrawingFixture {};

TEST_F(LongTextTest, EveryTextIsLaidOutWithinTheLargestSideAndItsBeginningShows) {
    struct Case {
        const char* what;
        std::u16string text;
        float pixels;
    };
    const Case cases[] = {
        {"a word of a megabyte", std::u16string(1 << 20, u'w'), 80},
        {"a megabyte of words", repeated(u"cat dog ", 1 << 17), 80},
        {"a megabyte of short lines", repeated(u"ab\r\n", 1 << 18), 24},
        {"a megabyte of line ends", std::u16string(1 << 20, u'\n'), 24},
        {"letters beyond the first plane", repeated(u"\U0001F600a", 50000), 40},
        {"a lone half of a pair at the cut", repeated(u"w", 4095) + u"\xD83D" + u"w", 40},
        {"the largest font size", std::u16string(300, u'W'), 2000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto font = surfaces.offscreen().createFont(u"Arial", c.pixels, FontUnit::Pixel);
        const bool blank = c.text.find_first_not_of(u"\r\n") == std::u16string::npos;
        const RectF box = surfaces.offscreen().measureString(c.text, *font);
        EXPECT_EQ(box.width > 0, !blank);
        EXPECT_LE(box.width, kLargestSide);
        EXPECT_GT(box.height, 0);
        EXPECT_LE(box.height, kLargestSide);
        surfaces.offscreen().clear(0xFF000000 | kBack);
        surfaces.offscreen().drawString(c.text, *font, RectF{10, 10, box.width, box.height},
                                        0xFFFFFFFF, TextAlignment::Centre);
        showFrame();
        int lit = 0;
        for (int y = 10; y < 600; y += 2) {
            for (int x = 10; x < 800; x += 2) {
                lit += canvas.pixel(x, y) == 0xFFFFFF ? 1 : 0;
            }
        }
        EXPECT_EQ(lit > 0, !blank) << lit;
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/text/CodePage.h"

#include <gtest/gtest.h>

TEST(CodePage, EveryByteConvertsToACharacterAndBack) {
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        const std::u16string wide = ansiToWide(one);
        ASSERT_EQ(wide.size(), 1u) << byte;
        EXPECT_EQ(wideToAnsi(wide), one) << byte;
    }
}

TEST(CodePage, ConvertsTheWindowsCharactersOfTheHighControlRange) {
    struct Case {
        unsigned char byte;
        char16_t character;
    };
    const Case cases[] = {{0x80, 0x20AC}, {0x8A, 0x0160}, {0x9F, 0x0178}, {0x81, 0x0081},
                          {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090}, {0x9D, 0x009D},
                          {0xE4, 0x00E4}, {0xC5, 0x00C5}, {0x41, u'A'}};
    for (const Case& c : cases) {
        EXPECT_EQ(ansiByteToWide(c.byte), c.character) << int(c.byte);
    }
}

TEST(CodePage, CharactersTheCodePageLacksBecomeQuestionMarks) {
    EXPECT_EQ(wideToAnsi(u"a\u0101b"), "a?b"); // a with macron
    EXPECT_EQ(wideToAnsi(u"\U0001F600"), "?"); // one character outside the BMP: one mark
    EXPECT_EQ(wideToAnsi(u"\u20ac"), "\x80");  // the euro sign is in the code page
}

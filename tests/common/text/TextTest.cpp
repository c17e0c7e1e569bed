// SPDX-License-Identifier: GPL-3.0-or-later
// Letters and numbers in the forms content and settings files hold them.
#include "common/text/CaseFolding.h"
#include "common/text/CodePage.h"
#include "common/text/NumberText.h"
#include "common/text/Utf8.h"

#include <gtest/gtest.h>

TEST(CaseFolding, MatchesNamesIgnoringCaseInTheLettersContentUses) {
    EXPECT_TRUE(equalsIgnoringCase(u"Farm.TXT", u"farm.txt"));
    EXPECT_TRUE(equalsIgnoringCase(u"\u00e4pple\u0161", u"\u00c4PPLE\u0160")); // ä š
    EXPECT_TRUE(equalsIgnoringCase(u"\u0430\u044f", u"\u0410\u042f"));         // а я
    EXPECT_FALSE(equalsIgnoringCase(u"farm", u"farms"));
    EXPECT_EQ(upcase(u'\u00f7'), u'\u00f7'); // division sign has no capital
    EXPECT_EQ(upcase(u'\u00ff'), u'\u0178');
}

TEST(CodePage, EveryByteConvertsToACharacterAndBackAndOthersBecomeQuestionMarks) {
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        const std::u16string wide = ansiToWide(one);
        ASSERT_EQ(wide.size(), 1u) << byte;
        EXPECT_EQ(wideToAnsi(wide), one) << byte;
    }
    // the high control range holds the euro sign and curly quotes, and keeps its five gaps
    EXPECT_EQ(ansiToWide("\x80\x81\x9F"), u"\u20ac\u0081\u0178");
    EXPECT_EQ(wideToAnsi(u"a\u0101\U0001F600"), "a??"); // a with macron; one mark outside the BMP
}

TEST(Utf8, RoundTripsEveryPlaneAndMarksMalformedInput) {
    const std::u16string text = u"a\u00e5\u20ac\U0001F600z";
    EXPECT_EQ(toUtf8(text), "a\xC3\xA5\xE2\x82\xAC\xF0\x9F\x98\x80z");
    EXPECT_EQ(fromUtf8(toUtf8(text)), text);
    // cut short, an overlong slash, an encoded surrogate
    for (const std::string bytes : {"\xC3", "\xC0\xAF", "\xED\xA0\x80"}) {
        EXPECT_EQ(fromUtf8(bytes), u"\uFFFD");
        EXPECT_FALSE(fromUtf8Strict(bytes).has_value());
    }
    EXPECT_EQ(toUtf8(u"\xD800x"), "\xEF\xBF\xBDx"); // unpaired surrogate
}

TEST(NumberText, ReadsAndWritesNumbersInTheSettingsFilesForms) {
    for (const auto& [text, value] : {std::pair{"  \t42abc", 42},
                                      {"- 5", 0},
                                      {"4294967295", -1},
                                      {"4278190080", -16777216}}) { // 0xFF000000 unsigned
        EXPECT_EQ(parseLong(fromUtf8(text)), value);
        EXPECT_EQ(parseLong(std::string(text)), value);
    }
    EXPECT_DOUBLE_EQ(parseDecimal(u"-2.5e-002"), -0.025);
    EXPECT_DOUBLE_EQ(parseDecimal(u"1,5"), 1.0);
    for (const auto& [value, text] : {std::pair{double(0.2f), "0.20000000298"},
                                      {1.0, "1."},
                                      {1234567890123.0, "1.23456789012e+012"},
                                      {9.99999999999951, "10."}}) {
        EXPECT_EQ(formatSignificant(value, 12), text);
    }
}

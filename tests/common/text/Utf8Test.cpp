// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/text/Utf8.h"

#include <gtest/gtest.h>

TEST(Utf8, RoundTripsEveryPlaneOfCharacters) {
    const std::u16string text = u"a\u00e5\u20ac\U0001F600z";
    EXPECT_EQ(toUtf8(text), "a\xC3\xA5\xE2\x82\xAC\xF0\x9F\x98\x80z");
    EXPECT_EQ(fromUtf8(toUtf8(text)), text);
}

TEST(Utf8, MalformedInputGivesReplacementCharacters) {
    struct Case {
        std::string bytes;
        std::u16string lossy;
    };
    const Case cases[] = {
        {"\xC3", u"\uFFFD"}, // cut short
        {"\x80"
         "a",
         u"\uFFFD"
         u"a"},                  // stray continuation byte
        {"\xC0\xAF", u"\uFFFD"}, // overlong form of the slash
        {"\xED\xA0\x80"
         "b",
         u"\uFFFDb"}, // an encoded surrogate
        {"\xFF", u"\uFFFD"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fromUtf8(c.bytes), c.lossy);
        EXPECT_FALSE(fromUtf8Strict(c.bytes).has_value());
    }
    EXPECT_EQ(toUtf8(u"\xD800x"), "\xEF\xBF\xBDx"); // unpaired surrogate
}

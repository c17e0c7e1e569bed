// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/text/CaseFolding.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(CaseFolding, MatchesNamesIgnoringCaseInTheLettersContentUses) {
    EXPECT_TRUE(equalsIgnoringCase(u"Farm.TXT", u"farm.txt"));
    EXPECT_TRUE(equalsIgnoringCase(u"\u00e4pple", u"\u00c4PPLE"));                 // ä
    EXPECT_TRUE(equalsIgnoringCase(u"\u00e5", u"\u00c5"));                         // å
    EXPECT_TRUE(equalsIgnoringCase(u"\u0161", u"\u0160"));                         // š
    EXPECT_TRUE(equalsIgnoringCase(u"\u0430\u043a\u044f", u"\u0410\u041a\u042f")); // а к я
    EXPECT_FALSE(equalsIgnoringCase(u"farm", u"farms"));
    EXPECT_FALSE(equalsIgnoringCase(u"a", u"b"));
    EXPECT_EQ(upcase(u'\u00f7'), u'\u00f7'); // division sign has no capital
    EXPECT_EQ(upcase(u'\u00ff'), u'\u0178');
}

TEST(CaseFolding, OrdersNamesAsAWindowsDiskListsThem) {
    std::vector<std::u16string> names = {u"cat02.png", u"Cat01.png", u"_x", u"b",
                                         u"A",         u"cat10.png", u"a"};
    std::sort(names.begin(), names.end(),
              [](const auto& a, const auto& b) { return compareFileNames(a, b) < 0; });
    // Upper-cased, '_' (0x5F) sorts after the letters; "A" and "a" keep a fixed order.
    const std::vector<std::u16string> expected = {u"A",         u"a",         u"b", u"Cat01.png",
                                                  u"cat02.png", u"cat10.png", u"_x"};
    EXPECT_EQ(names, expected);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/text/NumberText.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(NumberText, ParsesLongsAsTheCLibraryDoes) {
    struct Case {
        std::u16string text;
        std::int32_t value;
    };
    const Case cases[] = {
        {u"0", 0},
        {u"-16777216", -16777216},
        {u"  \t42abc", 42},
        {u"+7", 7},
        {u"abc", 0},
        {u"", 0},
        {u"- 5", 0},
        {u"4294967295", -1},        // modulo 2^32
        {u"4278190080", -16777216}, // 0xFF000000 written unsigned
        {u"99999999999999999999", 1661992959},
        {u"\u00a012", 0}, // only the C library's blanks are skipped
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseLong(c.text), c.value);
        std::string narrow(c.text.begin(), c.text.end());
        if (c.text.find(u'\u00a0') == std::u16string::npos) {
            EXPECT_EQ(parseLong(narrow), c.value);
        }
    }
}

TEST(NumberText, ParsesDecimalsWithAPoint) {
    struct Case {
        std::u16string text;
        double value;
    };
    const Case cases[] = {
        {u"0.20000000298", 0.20000000298},
        {u"1.", 1.0},
        {u" 0.5", 0.5},
        {u".25", 0.25},
        {u"-2.5e-002", -0.025},
        {u"1,5", 1.0},
        {u"abc", 0.0},
        {u"", 0.0},
        {u"0.4xyz", 0.4},
        {u"1e", 1.0},
        {u"inf", 0.0},
        {u"1e-400", 0.0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(parseDecimal(c.text), c.value)
            << std::string(c.text.begin(), c.text.end());
    }
    EXPECT_TRUE(std::isinf(parseDecimal(u"1e400")));
}

TEST(NumberText, FormatsTwelveSignificantDigitsInTheShortestForm) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {double(0.2f), "0.20000000298"},
        {double(0.6f), "0.600000023842"},
        {double(1.0f), "1."},
        {0.5, "0.5"},
        {0.1, "0.1"},
        {0.025, "2.5e-002"},
        {123456789012.0, "123456789012."},
        {1234567890123.0, "1.23456789012e+012"},
        {0.0, "0."},
        {-1.5, "-1.5"},
        {10.0, "10."},
        {9.99999999999951, "10."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatSignificant(c.value, 12), c.text);
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/TextWrap.h"

#include <gtest/gtest.h>

namespace {

// Every character 10 pixels wide: a line of 100 pixels takes ten.
int tenEach(std::u16string_view text) {
    return static_cast<int>(text.size()) * 10;
}

struct WrapCase {
    const char* what;
    std::u16string text;
    std::u16string wrapped;
};

TEST(TextWrapTest, BreaksAtSpacesAndInsideOnlyTooLongWords) {
    const WrapCase cases[] = {
        {"a short text stays", u"one two", u"one two"},
        {"a line full to the pixel stays", u"abcd efghi", u"abcd efghi"},
        {"breaks at the last space that fits", u"one two three four", u"one two\nthree four"},
        {"runs of spaces become one, none at a break", u"one   two    three  ", u"one two\nthree"},
        {"a word wider than a line is cut", u"a abcdefghijklmn b", u"a\nabcdefghij\nklmn b"},
        {"the text's own breaks stay", u"one\ntwo three four five", u"one\ntwo three\nfour five"},
        {"a surrogate pair is never cut", u"abcdefghi\U0001F600x", u"abcdefghi\n\U0001F600x"},
        {"nothing stays nothing", u"", u""},
    };
    for (const WrapCase& c : cases) {
        EXPECT_EQ(wrapText(c.text, 100, tenEach), c.wrapped) << c.what;
    }
}

} // namespace

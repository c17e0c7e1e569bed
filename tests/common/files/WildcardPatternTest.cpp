// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/files/WildcardPattern.h"

#include <gtest/gtest.h>
#include <string>

TEST(WildcardPattern, FollowsTheRulesOfAWindowsDisk) {
    struct Case {
        std::u16string pattern;
        std::u16string name;
        bool matches;
    };
    const Case cases[] = {
        {u"*.*", u"vimo", true}, // no dot, still a match
        {u"*.*", u"farm.txt", true},
        {u"*.*", u".hidden", true},
        {u"*01.*", u"cat01.png", true},
        {u"*01.*", u"cat01", true},
        {u"*01.*", u"cat02.png", false},
        {u"step1*.*", u"step1a.wav", true},
        {u"step1*.*", u"step10.wav", true},
        {u"step1*.*", u"step2.wav", false},
        {u"*.wav", u"CLICK.WAV", true}, // case ignored
        {u"*.wav", u"click.wave", false},
        {u"*.wav", u"wav", false}, // ".*" rule is for ".*" only
        {u"game0?.png", u"game01.png", true},
        {u"game0?.png", u"game1.png", false},
        {u"vimo", u"VIMO", true},
        {u"vimo", u"vimo2", false},
        {u"*", u"anything.at.all", true},
        {u"a*b*c", u"axxbyyc", true},
        {u"a*b*c", u"axxbyy", false},
        {u"\u00e4*", u"\u00c4pple", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(matchesWildcard(c.pattern, c.name), c.matches)
            << std::string(c.pattern.begin(), c.pattern.end()) << " / "
            << std::string(c.name.begin(), c.name.end());
    }
}

TEST(WildcardPattern, ManyStarsAgainstALongNameStayFast) {
    // Backtracking must not explode: this finishes at once with the single-backtrack matcher.
    const std::u16string name(5000, u'a');
    EXPECT_FALSE(matchesWildcard(u"*a*a*a*a*a*a*a*a*a*b", name));
}

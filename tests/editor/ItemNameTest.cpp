// SPDX-License-Identifier: GPL-3.0-or-later
// Which names may become files of the content folder, and texts kept to one list line.
#include "common/text/Utf8.h"
#include "editor/lists/CItemName.h"

#include <gtest/gtest.h>

TEST(ItemName, NamesThatLeadOutOfTheFolderOrBreakALineAreNeverFiles) {
    struct Case {
        std::u16string name;
        bool staysInFolder;
        bool portable;
    };
    const Case cases[] = {
        {u"animals", true, true},
        {u"farm.txt", true, true},
        {u"Bilar och båtar", true, true},
        {u" leading blank", true, true},
        {u".hidden", true, true},
        {u"", false, false},
        {u".", false, false},
        {u"..", false, false},
        {u"../x", false, false},
        {u"..\\x", false, false},
        {u"a/b", false, false},
        {u"a\\b", false, false},
        {u"/etc/passwd", false, false},
        {u"two\nlines", false, false},
        {u"two\rlines", false, false},
        {u"a:b", true, false},
        {u"what?", true, false},
        {u"star*", true, false},
        {u"<tag>", true, false},
        {u"pipe|", true, false},
        {u"quote\"", true, false},
        {u"tab\tname", true, false},
        {u"ends with blank ", true, false},
        {u"ends with dot.", true, false},
        {u"CON", true, false},
        {u"nul.txt", true, false},
        {u"com1", true, false},
        {u"LPT9.list", true, false},
        {u"COM", true, true},
        {u"console", true, true},
        {u".list.vimo-saving", true, false}, // the file layer's hidden temporary name
        {std::u16string(255, u'a'), true, true},
        {std::u16string(256, u'a'), true, false},
        {std::u16string(128, u'\u00e5'), true, false}, // 256 bytes in UTF-8
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CItemName::staysInFolder(c.name), c.staysInFolder) << toUtf8(c.name);
        EXPECT_EQ(CItemName::isPortableFileName(c.name), c.portable) << toUtf8(c.name);
    }
}

TEST(ItemName, LineBreaksBecomeBlanks) {
    EXPECT_EQ(CItemName::onOneLine(u"one\r\ntwo\nthree\rfour"), u"one  two three four");
    EXPECT_EQ(CItemName::onOneLine(u"plain text"), u"plain text");
    EXPECT_EQ(CItemName::onOneLine(u""), u"");
}

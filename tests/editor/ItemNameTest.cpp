// SPDX-License-Identifier: GPL-3.0-or-later
// Which names may become files of the content folder.
#include "common/text/Utf8.h"
#include "editor/lists/CItemName.h"

#include <gtest/gtest.h>

TEST(ItemName, NamesThatLeadOutOfTheFolderOrBreakALineAreNeverFiles) {
    struct Case {
        std::u16string name;
        bool staysInFolder;
        CItemName::Fault fault;
        std::u16string corrected; // the name a file made elsewhere is offered under
    };
    using enum CItemName::Fault;
    const Case cases[] = {
        {u"animals", true, None, u"animals"},
        {u"", false, NoName, u"file"},
        {u"../x", false, Character, u"..-x"},
        {u"two\nlines", false, Character, u"two-lines"},
        {u"Skärmbild 10:11:12.png", true, Character, u"Skärmbild 10-11-12.png"},
        {u"ends with dot.", true, Ending, u"ends with dot"},
        {u"CON", true, Device, u"CON_"},
        {u"COM", true, None, u"COM"},
        // the file layer's hidden temporary name
        {u".list.vimo-saving", true, Temporary, u"_list.vimo-saving"},
        {std::u16string(255, u'a'), true, None, std::u16string(255, u'a')},
        {std::u16string(256, u'a'), true, TooLong, std::u16string(255, u'a')},
        // 256 bytes in UTF-8; the cut keeps the extension and whole letters
        {std::u16string(128, u'\u00e5'), true, TooLong, std::u16string(127, u'\u00e5')},
        {std::u16string(300, u'a') + u".png", true, TooLong, std::u16string(251, u'a') + u".png"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CItemName::staysInFolder(c.name), c.staysInFolder) << toUtf8(c.name);
        EXPECT_EQ(CItemName::faultOf(c.name), c.fault) << toUtf8(c.name);
        EXPECT_EQ(CItemName::isPortableFileName(c.name), c.fault == None) << toUtf8(c.name);
        EXPECT_EQ(CItemName::corrected(c.name), c.corrected) << toUtf8(c.name);
    }
}

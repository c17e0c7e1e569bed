// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/content/SettingValues.h"

#include "SettingsRecord.h"
#include "TemporaryFolder.h"
#include "common/files/DiskFileSystem.h"

#include <gtest/gtest.h>

// A line break inside a list name would push every later setting down a line: it is left out.
TEST(SettingValuesTest, WrittenSettingsReadBackToTheSameRecord) {
    TemporaryFolder folder;
    folder.makeFolder("options");
    DiskFileSystem files{folder.path()};
    SettingValues written;
    written.oneContact = 1, written.useStop = 1, written.scanTime = 5, written.keyTime = 0.6f;
    written.textOn = 0, written.capsOn = 1, written.speechOn = 0, written.numPatterns = 8;
    written.numFinds = 4, written.speedGame1 = 75, written.speedGame6 = 25, written.movie = 1;
    written.lineWidth = 30, written.contactMode = 2, written.findPause = 10;
    written.soundOn = {0, 1, 0, 1, 0, 1, 0};
    written.musicOn = {1, 0, 1, 0, 1, 0, 1};
    written.random = {0, 0, 1, 1, 0, 0, 1};
    written.backgroundColour = {0xFF808080, 0xFFFFFFFF, 0x00000000, 0xFF46DFF1,
                                0x12345678, 0xFFCD378C, 0x80000000};
    written.listName = {
        u"vimo", u"Djur p\u00e5 g\u00e5rden", u"farm.txt", u"", u" x ", u"zz\r\n0\r\n0", u"\u20ac"};
    written.chosenLanguage = u"Svenska";
    std::uint32_t error = 0;
    ASSERT_TRUE(writeSettingValues(files, kSettingsPath, written, error));
    written.listName[5] = u"zz00";
    SettingValues read;
    ASSERT_EQ(readSettingValues(files, kSettingsPath, read), SettingsRead::Complete);
    EXPECT_EQ(changes(settingsOf(written), settingsOf(read)), std::vector<std::string>{});
}

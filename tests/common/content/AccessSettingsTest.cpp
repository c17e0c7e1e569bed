// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/content/AccessSettings.h"

#include "TemporaryFolder.h"
#include "common/files/DiskFileSystem.h"

#include <gtest/gtest.h>

class AccessSettingsTest : public ::testing::Test {
protected:
    TemporaryFolder folder;
    DiskFileSystem files{folder.path()};
};

TEST_F(AccessSettingsTest, EachLineSetsItsSettingAndWhatALineSpoilsKeepsItsDefault) {
    struct Case {
        const char* what;
        std::string bytes;
        AccessSettings expected;
    };
    auto with = [](auto change) {
        AccessSettings settings;
        change(settings);
        return settings;
    };
    const Case cases[] = {
        {"no file at all", "", AccessSettings{}},
        {"every setting, CR LF",
         "scanCue=2\r\nscanRounds=3\r\nscanFrameWidth=8\r\nscanFrameColour=-65536\r\n"
         "kioskLock=1\r\nlog=1\r\ncontrollerFirstButton=4\r\n",
         with([](AccessSettings& s) {
             s.scanCue = 2;
             s.scanRounds = 3;
             s.scanFrameWidth = 8;
             s.scanFrameColour = 0xFFFF0000;
             s.kioskLock = true;
             s.log = true;
             s.controllerFirstButton = 4;
         })},
        {"UTF-16 with blanks around",
         std::string("\xFF\xFE \0l\0o\0g\0 \0=\0 \0"
                     "1\0",
                     18),
         with([](AccessSettings& s) { s.log = true; })},
        {"UTF-8 with mark, colour unsigned", "\xEF\xBB\xBFscanFrameColour=4278190335\n",
         with([](AccessSettings& s) { s.scanFrameColour = 0xFF0000FF; })},
        {"unknown names and lines without a value",
         "volume=11\nscanCue\n=1\n# scanCue=1\nScanCue=1\nscanRounds=2\n",
         with([](AccessSettings& s) { s.scanRounds = 2; })},
        {"values out of range or not numbers",
         "scanCue=3\nscanRounds=-1\nscanFrameWidth=1\nkioskLock=2\nlog=yes\n"
         "controllerFirstButton=32\nscanFrameColour=0x00FF00\nscanRounds=1.5\n",
         AccessSettings{}},
        {"the widest frame and no frame", "scanFrameWidth=16\nscanFrameWidth=0\n",
         AccessSettings{}},
        {"the last line wins", "scanCue=1\nscanCue=2\nscanCue=9\n",
         with([](AccessSettings& s) { s.scanCue = 2; })},
    };
    for (const Case& c : cases) {
        if (c.bytes.empty()) {
            std::filesystem::remove(folder.path() / "options/access.opt");
        } else {
            folder.write("options/access.opt", c.bytes);
        }
        EXPECT_EQ(readAccessSettings(files), c.expected) << c.what;
    }
}

TEST_F(AccessSettingsTest, WrittenSettingsReadBackAndAFailedWriteKeepsTheOldFile) {
    folder.makeFolder("options");
    AccessSettings settings;
    settings.scanCue = AccessSettings::ItemCue;
    settings.scanRounds = 5;
    settings.scanFrameWidth = 16;
    settings.scanFrameColour = 0x80123456;
    settings.kioskLock = true;
    settings.controllerFirstButton = 31;
    std::uint32_t error = 0;
    ASSERT_TRUE(writeAccessSettings(files, settings, error));
    EXPECT_EQ(readAccessSettings(files), settings);

    std::uint32_t refused = 0;
    EXPECT_FALSE(writeAccessSettings(files, AccessSettings{}, refused, u"options\\missing\\a.opt"));
    EXPECT_NE(refused, 0u);
    EXPECT_EQ(readAccessSettings(files), settings);
}

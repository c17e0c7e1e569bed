// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/content/AccessSettings.h"

#include "TemporaryFolder.h"
#include "common/files/DiskFileSystem.h"

#include <gtest/gtest.h>

TEST(AccessSettingsTest, EachLineSetsItsSettingAndWhatALineSpoilsKeepsItsDefault) {
    TemporaryFolder folder;
    DiskFileSystem files{folder.path()};
    EXPECT_EQ(readAccessSettings(files), AccessSettings{}) << "no file at all";
    const AccessSettings highest{.scanCue = AccessSettings::ItemCue,
                                 .scanRounds = AccessSettings::kLargestScanRounds,
                                 .scanFrameWidth = AccessSettings::kBoldestFrame,
                                 .scanFrameColour = 0xFFFF0000,
                                 .kioskLock = true,
                                 .log = true,
                                 .controllerFirstButton = AccessSettings::kLargestControllerButton,
                                 .acceptTime = AccessSettings::kLongestAcceptTime,
                                 .actOnRelease = true,
                                 .ignoreRepeatTime = AccessSettings::kLongestIgnoreRepeatTime,
                                 .scanTimeMs = AccessSettings::kLongestScanTime,
                                 .firstItemDelay = AccessSettings::kLongestFirstItemDelay,
                                 .scanStartsOnPress = true,
                                 .waitForCue = true,
                                 .lockHoldTime = AccessSettings::kLongestLockHoldTime};
    const std::tuple<const char*, std::string, AccessSettings> cases[] = {
        {"every setting at its highest, CR LF",
         "scanCue=2\r\nscanRounds=99\r\nscanFrameWidth=16\r\nscanFrameColour=-65536\r\n"
         "kioskLock=1\r\nlog=1\r\ncontrollerFirstButton=31\r\nacceptTime=2000\r\n"
         "actOnRelease=1\r\nignoreRepeatTime=5000\r\nscanTimeMs=30000\r\n"
         "firstItemDelay=10000\r\nscanStartsOnPress=1\r\nwaitForCue=1\r\nlockHoldTime=10000\r\n",
         highest},
        {"UTF-16 with blanks around",
         std::string("\xFF\xFE \0l\0o\0g\0 \0=\0 \0"
                     "1\0",
                     18),
         {.log = true}},
        {"UTF-8 with mark, colour unsigned",
         "\xEF\xBB\xBFscanFrameColour=4278190335\n",
         {.scanFrameColour = 0xFF0000FF}},
        {"unknown names and lines without a value",
         "volume=11\nscanCue\n=1\n# scanCue=1\nScanCue=1\nscanRounds=2\n",
         {.scanRounds = 2}},
        {"values out of range or not numbers",
         "scanCue=3\nscanRounds=100\nscanFrameWidth=1\nscanFrameWidth=17\nkioskLock=2\nlog=yes\n"
         "controllerFirstButton=32\nscanFrameColour=0x00FF00\nscanRounds=1.5\n"
         "acceptTime=2001\nacceptTime=-1\nignoreRepeatTime=5001\nscanTimeMs=400\n"
         "scanTimeMs=1250\nscanTimeMs=30100\nfirstItemDelay=10001\nactOnRelease=2\n"
         "lockHoldTime=999\nlockHoldTime=10001\nwaitForCue=-1\n",
         {}},
        {"the lowest times that count, a scan step back to the options' seconds",
         "acceptTime=1\nignoreRepeatTime=1\nscanTimeMs=500\nscanTimeMs=0\nfirstItemDelay=1\n"
         "lockHoldTime=1000\n",
         {.acceptTime = 1, .ignoreRepeatTime = 1, .firstItemDelay = 1, .lockHoldTime = 1000}},
        {"the last line that can be read wins",
         "scanCue=1\nscanCue=2\nscanCue=9\n",
         {.scanCue = 2}},
    };
    for (const auto& [what, bytes, expected] : cases) {
        folder.write("options/access.opt", bytes);
        EXPECT_EQ(readAccessSettings(files), expected) << what;
    }
    std::uint32_t error = 0;
    ASSERT_TRUE(writeAccessSettings(files, highest, error));
    EXPECT_EQ(readAccessSettings(files), highest);
}

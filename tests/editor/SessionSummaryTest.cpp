// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/log/SessionSummary.h"

#include "TemporaryFolder.h"
#include "common/files/DiskFileSystem.h"

#include <gtest/gtest.h>

namespace {

// Two days' logs as the game writes them: on the first, find images twice (the second time left
// without an end row, as when the game is killed) with the menu between; on the second, picture
// and word across midnight into the next day's file, and a row spoilt by hand.
constexpr std::string_view kFirstDay =
    "time,screen,input,event,detail\r\n"
    "2026-03-14T09:30:00.000,Menu,,start,\r\n"
    "2026-03-14T09:30:02.000,Menu,first,press,\r\n"
    "2026-03-14T09:30:02.000,Menu,first,choose,Find images\r\n"
    "2026-03-14T09:30:02.000,Menu,,end,\r\n"
    "2026-03-14T09:30:02.000,Find images,,start,\r\n"
    "2026-03-14T09:30:03.000,Find images,,step,\"cat, \"\"Tom\"\"\"\r\n"
    "2026-03-14T09:30:07.000,Find images,second,press,\"cat, \"\"Tom\"\"\"\r\n"
    "2026-03-14T09:30:07.000,Find images,second,choose,\"cat, \"\"Tom\"\"\"\r\n"
    "2026-03-14T09:30:07.000,Find images,second,wrong,\"cat, \"\"Tom\"\"\"\r\n"
    "2026-03-14T09:30:08.000,Find images,second,press,\"cat, \"\"Tom\"\"\"\r\n"
    "2026-03-14T09:30:08.000,Find images,second,correct,\"cat, \"\"Tom\"\"\"\r\n"
    "2026-03-14T09:30:09.000,Find images,,step,dog\r\n"
    "2026-03-14T09:30:11.000,Find images,mouse,press,dog\r\n"
    "2026-03-14T09:30:11.000,Find images,mouse,correct,dog\r\n"
    "2026-03-14T09:30:12.000,Find images,,step,horse\r\n"
    "2026-03-14T09:31:02.000,Find images,,end,horse\r\n"
    "2026-03-14T09:31:02.000,Menu,,start,\r\n"
    "2026-03-14T09:31:05.000,Menu,mouse,press,\r\n"
    "2026-03-14T09:31:05.000,Menu,,end,\r\n"
    "2026-03-14T09:31:05.000,Find images,,start,\r\n"
    "2026-03-14T09:31:06.000,Find images,,step,dog\r\n"
    "2026-03-14T09:31:12.000,Find images,first,press,dog\r\n"
    "2026-03-14T09:31:12.000,Find images,first,wrong,dog\r\n";
constexpr std::string_view kSecondDay =
    "time,screen,input,event,detail\r\n"
    "2026-03-15T23:59:00.000,Picture and word,,start,\r\n"
    "2026-03-15T23:59:30.000,Picture and word,,step,sun\r\n"
    "2026-03-15T23:59:31.500,Picture and word,first,press,sun\r\n"
    "yesterday,Picture and word,first,press,sun\r\n";
constexpr std::string_view kThirdDay = "time,screen,input,event,detail\r\n"
                                       "2026-03-16T00:01:00.000,Picture and word,,end,sun\r\n";

} // namespace

TEST(SessionSummaryTest, FiguresPerDayAndActivityFromTheLogFilesInTheirOrder) {
    TemporaryFolder folder;
    // Written out of order: the files are read by their dates.
    folder.write("log/2026-03-16.csv", std::string(kThirdDay));
    folder.write("log/2026-03-14.csv", std::string(kFirstDay));
    folder.write("log/2026-03-15.csv", std::string(kSecondDay));
    const DiskFileSystem files(folder.path());

    // Find images: 60 s and 7 s played; steps answered after 4, 2 and 6 s (the horse never),
    // so the median is 4 s. Picture and word: 2 minutes across midnight, on the day it began.
    EXPECT_EQ(summariseSessionLog(readSessionLogs(files)),
              (std::vector<ActivitySummary>{
                  {"2026-03-14", GameScreen::FindImages, 2, 67'000, 4, 2, 2, 4'000},
                  {"2026-03-15", GameScreen::PictureAndWord, 1, 120'000, 1, 0, 0, 1'500},
              }));
    EXPECT_TRUE(summariseSessionLog("time,screen,input,event,detail\r\n").empty());
}

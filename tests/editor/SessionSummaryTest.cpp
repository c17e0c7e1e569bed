// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/log/SessionSummary.h"

#include "LogsOfTwoWeeks.h"
#include "TemporaryFolder.h"
#include "common/files/DiskFileSystem.h"
#include "editor/log/LoggedSessions.h"

#include <filesystem>
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
    const LoggedSessions log = readLoggedSessions(files);
    EXPECT_EQ(
        summariseSessions(log.tally, LogPeriod::Day),
        (std::vector<ActivitySummary>{
            {"2026-03-14", GameScreen::FindImages, 2, 67'000, 4, 2, 2, 4'000, 4, 0, 0, {}},
            {"2026-03-15", GameScreen::PictureAndWord, 1, 120'000, 1, 0, 0, 1'500, 1, 0, 0, {}},
        }));
    EXPECT_TRUE(log.unread.empty());
}

// Weeks run Monday to Sunday and belong to the year of their Thursday; a session counts in the
// period it began in, even when it ends in the next day's file; a period's median is that of all
// its times, not of its days' medians; the scanning figures and the settings come with them.
TEST(SessionSummaryTest, WeeksAndMonthsSumTheirDaysAcrossMidnightAndMonthEnds) {
    TemporaryFolder folder;
    writeLogsOfTwoWeeks(folder);
    const LoggedSessions log = readLoggedSessions(DiskFileSystem(folder.path()));
    const GameScreen word = GameScreen::PictureAndWord;
    const GameScreen find = GameScreen::FindImages;
    const std::pair<LogPeriod, std::vector<ActivitySummary>> cases[] = {
        {LogPeriod::Day,
         {{"2025-12-31", word, 1, 31'000, 1, 0, 0, 2'000, 1, 0, 0, {}},
          {"2026-03-29", find, 1, 120'000, 1, 1, 0, 4'000, 1, 0, 0, {}},
          {"2026-03-31", find, 1, 10'000, 3, 2, 1, 2'000, 3, 2, 1, 1'500},
          {"2026-04-01", find, 1, 20'000, 1, 1, 0, 10'000, 1, 0, 0, {}}}},
        {LogPeriod::Week,
         {{"2026-W01", word, 1, 31'000, 1, 0, 0, 2'000, 1, 0, 0, {}},
          {"2026-W13", find, 1, 120'000, 1, 1, 0, 4'000, 1, 0, 0, {}},
          {"2026-W14", find, 2, 30'000, 4, 3, 1, 2'500, 4, 2, 1, 1'500}}},
        {LogPeriod::Month,
         {{"2025-12", word, 1, 31'000, 1, 0, 0, 2'000, 1, 0, 0, {}},
          {"2026-03", find, 2, 130'000, 4, 3, 1, 2'500, 4, 2, 1, 1'500},
          {"2026-04", find, 1, 20'000, 1, 1, 0, 10'000, 1, 0, 0, {}}}},
    };
    for (const auto& [period, expected] : cases) {
        EXPECT_EQ(summariseSessions(log.tally, period), expected) << static_cast<int>(period);
    }
    const ActivitySummary week14 = summariseSessions(log.tally, LogPeriod::Week).back();
    EXPECT_EQ(week14.shareRight(), 0.75);
    EXPECT_EQ(week14.missedPerTask(), 0.25);
    EXPECT_EQ(settingsInForce(log.tally, LogPeriod::Week, "2026-W14"),
              (std::vector<std::pair<GameScreen, std::string>>{{find, "choices=4;scan=1.5"}}));
    EXPECT_EQ(settingsChanges(log.tally, LogPeriod::Month, "2026-04"),
              (std::vector<SettingsChange>{
                  {"2026-04-01", find, "choices=3;scan=1.5", "choices=4;scan=1.5"}}));
    EXPECT_TRUE(settingsChanges(log.tally, LogPeriod::Month, "2026-03").empty());
}

// A day whose last row was torn (a quoted field never closed) or that is far larger than any
// day's log is named, and every other day still counts.
TEST(SessionSummaryTest, AFileCutOrTooLargeIsNamedAndTheOtherDaysStillCount) {
    TemporaryFolder folder;
    writeLogsOfTwoWeeks(folder);
    folder.write("log/2026-03-30.csv", "time,screen,input,event,detail,right\r\n"
                                       "2026-03-30T00:01:00.000,Find images,,end,cat\r\n"
                                       "2026-03-30T00:02:00.000,Find images,,step,\"cat");
    folder.write("log/2026-03-28.csv", "");
    std::filesystem::resize_file(folder.path() / "log/2026-03-28.csv", kLargestLogFile + 1);
    const LoggedSessions log = readLoggedSessions(DiskFileSystem(folder.path()));
    EXPECT_EQ(log.unread,
              (std::vector<UnreadLogFile>{{u"2026-03-28.csv", UnreadLogFile::Why::TooLarge},
                                          {u"2026-03-30.csv", UnreadLogFile::Why::Cut}}));
    EXPECT_EQ(summariseSessions(log.tally, LogPeriod::Day).size(), 4u);
}

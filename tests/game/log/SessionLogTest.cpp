// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/log/SessionLog.h"

#include "FakeClock.h"
#include "FakeLocalClock.h"
#include "TemporaryFolder.h"
#include "common/files/DiskFileSystem.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

class SessionLogTest : public ::testing::Test {
protected:
    TemporaryFolder folder;
    DiskFileSystem files{folder.path()};
    FakeClock clock;
    FakeLocalClock localClock{clock};
    SessionLog log{files, localClock};
};

} // namespace

TEST_F(SessionLogTest, AScriptedSessionGivesItsRowsOnlyWhenFlushedAndTheHeaderOnce) {
    log.setEnabled(true);
    log.screenStarted("Find images");
    clock.advanceMilliseconds(1500);
    log.note(LogEvent::Step, u"cat, \"Tom\"");
    clock.advanceMilliseconds(2250);
    log.press(LogInput::First);
    log.note(LogEvent::Choose);
    log.note(LogEvent::Wrong);
    clock.advanceMilliseconds(1000);
    log.press(LogInput::Controller);
    log.note(LogEvent::Correct);
    log.note(LogEvent::Step, u"h\u00e4st");
    log.note(LogEvent::Done);
    log.screenEnded();
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "log")) << "written before a flush";
    log.flush();
    log.screenStarted("Menu");
    log.flush();

    EXPECT_EQ(folder.read("log/2026-03-14.csv"),
              "time,screen,input,event,detail\r\n"
              "2026-03-14T09:30:00.000,Find images,,start,\r\n"
              "2026-03-14T09:30:01.500,Find images,,step,\"cat, \"\"Tom\"\"\"\r\n"
              "2026-03-14T09:30:03.750,Find images,first,press,\"cat, \"\"Tom\"\"\"\r\n"
              "2026-03-14T09:30:03.750,Find images,first,choose,\"cat, \"\"Tom\"\"\"\r\n"
              "2026-03-14T09:30:03.750,Find images,first,wrong,\"cat, \"\"Tom\"\"\"\r\n"
              "2026-03-14T09:30:04.750,Find images,controller,press,\"cat, \"\"Tom\"\"\"\r\n"
              "2026-03-14T09:30:04.750,Find images,controller,correct,\"cat, \"\"Tom\"\"\"\r\n"
              "2026-03-14T09:30:04.750,Find images,,step,h\u00e4st\r\n"
              "2026-03-14T09:30:04.750,Find images,,done,h\u00e4st\r\n"
              "2026-03-14T09:30:04.750,Find images,,end,\r\n"
              "2026-03-14T09:30:04.750,Menu,,start,\r\n");
}

TEST_F(SessionLogTest, OffOrUnwritableItWritesNothingAndGivesUpWithoutRetrying) {
    log.screenStarted("Menu"); // off: nothing kept
    log.flush();
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "log"));

    // A file where the log folder should be: the first write fails.
    std::ofstream(folder.path() / "log") << "not a folder";
    log.setEnabled(true);
    log.screenStarted("Menu");
    log.flush();
    std::filesystem::remove(folder.path() / "log");
    // The folder could be made now, but the log was given up for the game.
    log.press(LogInput::Mouse);
    log.flush();
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "log"));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/log/SessionLog.h"

#include "FakeClock.h"
#include "FakeLocalClock.h"
#include "FaultyFileSystem.h"
#include "TemporaryFolder.h"
#include "common/files/DiskFileSystem.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

// Nothing is kept while the log is off, and nothing written before a flush; then each row carries
// the latest step's detail, quoted where it holds commas or quotes. A failed write ends the log.
TEST(SessionLogTest, AScriptedSessionGivesItsRowsOnlyWhenFlushedAndNoneAfterAFailedWrite) {
    TemporaryFolder folder;
    DiskFileSystem files{folder.path()};
    FakeClock clock;
    FakeLocalClock localClock{clock};
    SessionLog log{files, localClock};
    log.screenStarted("Menu");
    log.setEnabled(true);
    log.screenStarted("Find images");
    clock.advanceMilliseconds(1500);
    log.note(LogEvent::Step, u"cat, \"Tom\"");
    log.press(LogInput::First);
    log.note(LogEvent::Step, u"=1+1");
    log.note(LogEvent::Step, u"h\u00e4st");
    log.screenEnded();
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "log")) << "written before a flush";
    log.flush();
    EXPECT_EQ(folder.read("log/2026-03-14.csv"),
              "time,screen,input,event,detail,right\r\n"
              "2026-03-14T09:30:00.000,Find images,,start,,\r\n"
              "2026-03-14T09:30:01.500,Find images,,step,\"cat, \"\"Tom\"\"\",\r\n"
              "2026-03-14T09:30:01.500,Find images,first,press,\"cat, \"\"Tom\"\"\",\r\n"
              "2026-03-14T09:30:01.500,Find images,,step,'=1+1,\r\n"
              "2026-03-14T09:30:01.500,Find images,,step,h\u00e4st,\r\n"
              "2026-03-14T09:30:01.500,Find images,,end,,\r\n");
    // Rows on both sides of midnight, flushed together, go each to its own day's file.
    log.press(LogInput::Second);
    localClock.start.day = 15;
    log.press(LogInput::Second);
    log.flush();
    EXPECT_EQ(folder.read("log/2026-03-15.csv"),
              "time,screen,input,event,detail,right\r\n"
              "2026-03-15T09:30:01.500,Find images,second,press,h\u00e4st,\r\n");

    // A file where the log folder should be: the first failed write gives the log up for the
    // game, even once the folder could be made.
    std::filesystem::remove_all(folder.path() / "log");
    std::ofstream(folder.path() / "log") << "not a folder";
    log.screenStarted("Menu");
    log.flush();
    std::filesystem::remove(folder.path() / "log");
    log.press(LogInput::Mouse);
    log.flush();
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "log"));
}

// A flush the full disk cuts short is cut back to whole rows, and the log is given up. A game's
// first flush into a file whose last row was torn (a game ended mid-write) starts on a line of
// its own, and into a file a failed flush left empty with the header.
TEST(SessionLogTest, AFlushTheDiskCutsShortLeavesWholeRowsAndTheNextStartsOnANewLine) {
    TemporaryFolder folder;
    FaultyFileSystem files{folder.path()};
    FakeClock clock;
    FakeLocalClock localClock{clock};
    const std::string header = "time,screen,input,event,detail,right\r\n";
    const std::string rows = "2026-03-14T09:30:00.000,Menu,,start,,\r\n"
                             "2026-03-14T09:30:00.000,Menu,first,press,,\r\n";
    auto session = [&](std::size_t room) {
        files.appendRoom = room;
        SessionLog log{files, localClock};
        log.setEnabled(true);
        log.screenStarted("Menu");
        log.press(LogInput::First);
    };
    const std::string torn = "2026-03-14T09:30:00.000,Me";
    const std::pair<std::string, std::string> cases[] = {
        {header + rows, header + rows + rows},
        {header + torn, header + torn + "\r\n" + rows},
        {"", header + rows},
    };
    for (const auto& [before, after] : cases) {
        folder.write("log/2026-03-14.csv", before);
        session(50);
        EXPECT_EQ(folder.read("log/2026-03-14.csv"), before) << "torn by a full disk";
        session(std::numeric_limits<std::size_t>::max());
        EXPECT_EQ(folder.read("log/2026-03-14.csv"), after);
    }
}

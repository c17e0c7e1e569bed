// SPDX-License-Identifier: GPL-3.0-or-later
// The real game program, started the way a user starts it, refusing what it cannot run with.
#include "RunProgram.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

namespace {
const std::string kGame = std::string(VIMO_BIN_DIR) + "/Vimo";
}

TEST(GameStart, OnlyPrintsOrRefusesWithAMessageNamingTheWayOut) {
    TemporaryFolder empty;
    const std::string emptyFolder = empty.path().string();
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
        std::vector<std::string> standardError; // each must appear
        std::string standardOutput;             // must appear
    } cases[] = {
        {{"--bogus"}, 2, {"--bogus", "--content DIR"}, ""},
        {{"--content"}, 2, {"--content needs the folder"}, ""},
        {{"--content", "/nonexistent/vimo"}, 2, {"/nonexistent/vimo", "--content DIR"}, ""},
        {{"--windowed", "--content", emptyFolder}, 2, {emptyFolder, "--content DIR"}, ""},
        {{"--help"}, 0, {}, "--content DIR"},
        {{"--version"}, 0, {}, "Vimo 1."},
    };
    for (const Case& c : cases) {
        // The dummy driver has no message box, so nothing waits for an answer.
        const ProgramResult result =
            runProgram(kGame, c.arguments, "/", {"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy"});
        EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments.front();
        for (const std::string& part : c.standardError) {
            EXPECT_NE(result.standardError.find(part), std::string::npos) << result.standardError;
        }
        EXPECT_NE(result.standardOutput.find(c.standardOutput), std::string::npos)
            << result.standardOutput;
    }
}

TEST(GameStart, WithoutADisplayItSaysSoInsteadOfRunningUnseen) {
    TemporaryFolder content;
    content.write("data/lang.txt", "English");
    const ProgramResult result =
        runProgram(kGame, {"--windowed", "--content", content.path().string()}, "/",
                   // A driver asked for by name (the dummy one of a headless shell) would run.
                   {"DISPLAY=", "WAYLAND_DISPLAY=", "SDL_VIDEODRIVER=", "SDL_AUDIODRIVER=dummy"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.standardError.find("no display"), std::string::npos) << result.standardError;
}

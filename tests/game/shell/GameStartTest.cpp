// SPDX-License-Identifier: GPL-3.0-or-later
// The real game program, started the way a user starts it, refusing what it cannot run with.
#include "RunProgram.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

TEST(GameStart, OnlyPrintsOrRefusesWithAMessageNamingTheWayOut) {
    TemporaryFolder content;
    content.write("data/lang.txt", "English");
    // The dummy driver has no message box, so nothing waits for an answer.
    const std::vector<std::string> dummy = {"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy"};
    // A driver asked for by name (the dummy one of a headless shell) would run.
    const std::vector<std::string> noDisplay = {
        "DISPLAY=", "WAYLAND_DISPLAY=", "SDL_VIDEODRIVER=", "SDL_AUDIODRIVER=dummy"};
    const struct {
        std::vector<std::string> arguments;
        const std::vector<std::string>& environment;
        int exitCode;
        std::vector<std::string> said; // each must appear in the output
    } cases[] = {
        {{"--bogus"}, dummy, 2, {"--bogus", "--content DIR"}},
        {{"--content", "/nonexistent/vimo"}, dummy, 2, {"/nonexistent/vimo", "--content DIR"}},
        {{"--help"}, dummy, 0, {"--content DIR"}},
        {{"--windowed", "--content", content.path().string()}, noDisplay, 1, {"no display"}},
    };
    for (const auto& c : cases) {
        const ProgramResult result =
            runProgram(std::string(VIMO_BIN_DIR) + "/Vimo", c.arguments, "/", c.environment);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments.front();
        for (const std::string& part : c.said) {
            EXPECT_NE(result.output.find(part), std::string::npos) << result.output;
        }
    }
}

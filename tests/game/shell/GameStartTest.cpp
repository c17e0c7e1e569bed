// The real game program, started the way a user starts it, refusing what it cannot run with.
#include "RunProgram.h"

#include <gtest/gtest.h>

namespace {
const std::string kGame = std::string(VIMO_BIN_DIR) + "/Vimo";
}

TEST(GameStart, ABadCommandLineOrAMissingFolderEndsWithAMessage) {
    ProgramResult result = runProgram(kGame, {"--bogus"}, "/");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.standardError.find("--bogus"), std::string::npos);

    result = runProgram(kGame, {"--content", "/nonexistent/vimo"}, "/");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.standardError.find("/nonexistent/vimo"), std::string::npos);
}

TEST(GameStart, WithoutADisplayItSaysSoInsteadOfRunningUnseen) {
    const ProgramResult result =
        runProgram(kGame, {"--windowed", "--content", "/tmp"}, "/",
                   // A driver asked for by name (the dummy one of a headless shell) would run.
                   {"DISPLAY=", "WAYLAND_DISPLAY=", "SDL_VIDEODRIVER=", "SDL_AUDIODRIVER=dummy"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.standardError.find("no display"), std::string::npos) << result.standardError;
}

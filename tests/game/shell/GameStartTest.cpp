// The real game program, started the way a user starts it.
#include "RunProgram.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

namespace {
const std::string kGame = std::string(VIMO_BIN_DIR) + "/Vimo";
}

TEST(GameStart, AFirstStartInANewContentFolderWritesTheSettingsFile) {
    TemporaryFolder content;
    content.write("data/lang.txt", "English\r\n");
    content.makeFolder("options");
    const ProgramResult result = runProgram(kGame, {"--content", content.path().string()}, "/");
    EXPECT_EQ(result.exitCode, 0) << result.standardError;
    EXPECT_EQ(result.standardError, "");
    const std::string settings = content.read("options/vimo.opt");
    ASSERT_EQ(settings.size(), 244u); // 50 lines after the mark
    EXPECT_EQ(settings.substr(0, 27), "\xEF\xBB\xBF" "0\r\n0\r\n3\r\n0.20000000298\r\n");
}

TEST(GameStart, RunsInTheCurrentFolderWithoutArguments) {
    TemporaryFolder content;
    content.makeFolder("options");
    EXPECT_EQ(runProgram(kGame, {}, content.path()).exitCode, 0);
    EXPECT_TRUE(std::filesystem::exists(content.path() / "options/vimo.opt"));
}

TEST(GameStart, ABadCommandLineOrAMissingFolderEndsWithAMessage) {
    ProgramResult result = runProgram(kGame, {"--bogus"}, "/");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.standardError.find("--bogus"), std::string::npos);

    result = runProgram(kGame, {"--content", "/nonexistent/vimo"}, "/");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.standardError.find("/nonexistent/vimo"), std::string::npos);
}

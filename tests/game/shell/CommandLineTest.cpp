// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/shell/CommandLine.h"

#include <gtest/gtest.h>

TEST(CommandLine, TakesTheWindowAndContentFolderOptions) {
    std::string error;
    auto line = parseCommandLine({}, error);
    ASSERT_TRUE(line);
    EXPECT_FALSE(line->windowed);
    EXPECT_TRUE(line->contentFolder.empty());

    line = parseCommandLine({"--content", "/usr/share/vimo", "--windowed"}, error);
    ASSERT_TRUE(line);
    EXPECT_TRUE(line->windowed);
    EXPECT_EQ(line->contentFolder, "/usr/share/vimo");
    EXPECT_FALSE(line->help || line->version);

    line = parseCommandLine({"--help", "--version"}, error);
    ASSERT_TRUE(line);
    EXPECT_TRUE(line->help && line->version);
}

TEST(CommandLine, RejectsWhatItDoesNotUnderstandWithAMessage) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"--content"}, {"--content", ""}, {"--fullscreen"}, {"content"}}) {
        std::string error;
        EXPECT_FALSE(parseCommandLine(arguments, error));
        EXPECT_FALSE(error.empty());
    }
}

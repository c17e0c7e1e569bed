// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaultyFileSystem.h"
#include "TemporaryFolder.h"
#include "game/content/Options.h"

#include <gtest/gtest.h>

namespace {

// A settings file whose first lines differ from the defaults.
const std::string kOwnSettings = "\xEF\xBB\xBF"
                                 "1\r\n1\r\n5\r\n0.40000000596\r\n0\r\n1\r\n0\r\n8\r\n2\r\n75\r\n"
                                 "25\r\n1\r\n30\r\n2\r\n7\r\n0\r\n0\r\n0\r\n-1\r\nfarm\r\n";

} // namespace

class OptionsFailureTest : public ::testing::Test {
protected:
    TemporaryFolder folder;
    FaultyFileSystem files{folder.path()};
};

TEST_F(OptionsFailureTest, AnOptionsFolderThatCannotBeWrittenLeavesACompleteRecord) {
    folder.write("options", "a file where the options folder should be");
    Options options(files);
    EXPECT_EQ(options.scanTime, 3);
    EXPECT_EQ(options.backgroundColour[0], 0xFF2236AAu);
    EXPECT_EQ(options.listName[5], u"vimo");
    EXPECT_FALSE(options.writeOptionsFile());
    EXPECT_EQ(folder.read("options"), "a file where the options folder should be");
}

TEST_F(OptionsFailureTest, ASettingsFileThatIsAFolderFallsBackToTheTemplate) {
    folder.makeFolder("options/vimo.opt");
    folder.write("options/English.opt", "1\r\n");
    Options options(files);
    EXPECT_EQ(options.oneContact, 1);
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "options/vimo.opt"));
}

TEST_F(OptionsFailureTest, AReadErrorPartWayKeepsWhatWasReadAndDoesNotOverwriteTheFile) {
    // A long list name carries the file past the first read.
    const std::string settings =
        kOwnSettings.substr(0, kOwnSettings.size() - 6) + std::string(2000, 'x') + "\r\n";
    folder.write("options/vimo.opt", settings);
    files.readFailsAfter = 1024; // the first buffer arrives, then the disk fails
    Options options(files);
    EXPECT_EQ(options.oneContact, 1);
    EXPECT_EQ(options.useStop, 1);
    EXPECT_EQ(options.scanTime, 5);
    EXPECT_EQ(options.findPause, 7);
    EXPECT_EQ(options.backgroundColour[0], 0xFFFFFFFFu);
    EXPECT_EQ(options.listName[0], u"vimo"); // cut off: the default
    EXPECT_EQ(options.soundOn[1], 1);
    EXPECT_EQ(folder.read("options/vimo.opt"), settings);
}

TEST_F(OptionsFailureTest, AReadErrorAtOnceGivesTheDefaultsAndKeepsTheFile) {
    folder.write("options/vimo.opt", kOwnSettings);
    files.readFailsAfter = 0;
    Options options(files);
    EXPECT_EQ(options.oneContact, 0);
    EXPECT_EQ(options.scanTime, 3);
    EXPECT_EQ(folder.read("options/vimo.opt"), kOwnSettings);
}

TEST_F(OptionsFailureTest, AWriteErrorPartWayReportsFailureAndKeepsTheOldFile) {
    folder.write("options/vimo.opt", kOwnSettings);
    Options options(files);
    options.scanTime = 1;
    files.writeFailsAfter = 10;
    EXPECT_FALSE(options.writeOptionsFile());
    EXPECT_EQ(folder.read("options/vimo.opt"), kOwnSettings);
    EXPECT_EQ(options.scanTime, 1);
}

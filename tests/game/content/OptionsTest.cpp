// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/content/Options.h"

#include "TemporaryFolder.h"
#include "common/content/CharacterRules.h"
#include "common/files/DiskFileSystem.h"

#include <clocale>
#include <cwctype>
#include <gtest/gtest.h>
#include <utility>

namespace {

// The options file a first English start writes when there is no options file at all.
std::string defaultOptionsFile() {
    std::string bytes = "\xEF\xBB\xBF";
    auto line = [&](const std::string& text) { bytes += text + "\r\n"; };
    for (const char* text : {"0", "0", "3", "0.20000000298", "1", "0", "1", "4", "3", "50", "50",
                             "0", "20", "0", "3"}) {
        line(text);
    }
    const char* colours[] = {"-14534998", "-16777216", "-16777216", "-16777216",
                             "-4440067",  "-12595459", "-12595459"};
    for (const char* colour : colours) {
        line("1"), line("1"), line("1"), line(colour), line("vimo");
    }
    return bytes;
}

} // namespace

class OptionsTest : public ::testing::Test {
protected:
    TemporaryFolder folder;
    DiskFileSystem files{folder.path()};
};

TEST_F(OptionsTest, AFirstStartWithoutAnyOptionsFileWritesTheDefaultsByteForByte) {
    folder.write("data/lang.txt", "English\r\n");
    folder.makeFolder("options");
    Options options(files);
    EXPECT_EQ(options.language, u"English");
    EXPECT_EQ(folder.read("options/vimo.opt"), defaultOptionsFile());
}

TEST_F(OptionsTest, AFirstStartTakesTheLanguageTemplateAndWritesItUnchanged) {
    folder.write("data/lang.txt", "Swedish");
    std::string swedish = defaultOptionsFile();
    swedish.replace(swedish.find("0\r\n0\r\n3\r\n"), 9, "1\r\n1\r\n5\r\n"); // one switch, stop, 5 s
    folder.write("options/Swedish.opt", swedish);
    Options options(files);
    EXPECT_EQ(options.oneContact, 1);
    EXPECT_EQ(options.useStop, 1);
    EXPECT_EQ(options.scanTime, 5);
    EXPECT_EQ(folder.read("options/vimo.opt"), swedish);
}

TEST_F(OptionsTest, AnExistingOptionsFileWinsAndIsNotRewritten) {
    folder.write("options/English.opt", defaultOptionsFile());
    std::string own = defaultOptionsFile();
    own.replace(own.find("0.20000000298"), 13, "0.5");
    folder.write("options/vimo.opt", own);
    Options options(files);
    EXPECT_EQ(options.keyTime, 0.5f); // kept, though the options screen never makes it
    EXPECT_EQ(folder.read("options/vimo.opt"), own);
}

TEST_F(OptionsTest, WithTheLanguageOtherTheSecondFileTriedIsOtherOpt) {
    folder.write("data/lang.txt", "other");
    std::string other = defaultOptionsFile();
    other.replace(other.find("\r\n4\r\n3\r\n"), 8, "\r\n8\r\n2\r\n");
    folder.write("options/other.opt", other);
    Options options(files);
    EXPECT_EQ(options.numPatterns, 8);
    EXPECT_EQ(options.numFinds, 2);
}

TEST_F(OptionsTest, WrittenSettingsReadBackToTheSameRecord) {
    folder.makeFolder("options");
    Options written(files);
    written.oneContact = 1;
    written.useStop = 1;
    written.scanTime = 5;
    written.keyTime = 0.6f;
    written.textOn = 0;
    written.capsOn = 1;
    written.speechOn = 0;
    written.numPatterns = 8;
    written.numFinds = 4;
    written.speedGame1 = 75;
    written.speedGame6 = 25;
    written.movie = 1;
    written.lineWidth = 30;
    written.contactMode = 2;
    written.findPause = 10;
    written.soundOn = {0, 1, 0, 1, 0, 1, 0};
    written.musicOn = {1, 0, 1, 0, 1, 0, 1};
    written.random = {0, 0, 1, 1, 0, 0, 1};
    written.backgroundColour = {0xFF808080, 0xFFFFFFFF, 0x00000000, 0xFF46DFF1,
                                0x12345678, 0xFFCD378C, 0x80000000};
    written.listName = {
        u"vimo", u"Djur p\u00e5 g\u00e5rden", u"farm.txt", u"", u" x ", u"zz\r\n0\r\n0", u"\u20ac"};
    ASSERT_TRUE(written.writeOptionsFile());
    // A line break inside a name would push every later setting down a line: it is left out.
    const std::string file = folder.read("options/vimo.opt");
    std::size_t lines = 0;
    for (std::size_t at = file.find("\r\n"); at != std::string::npos;
         at = file.find("\r\n", at + 1)) {
        ++lines;
    }
    EXPECT_EQ(lines, 50u);
    written.listName[5] = u"zz00";

    Options read(files);
    EXPECT_EQ(read.oneContact, 1);
    EXPECT_EQ(read.useStop, 1);
    EXPECT_EQ(read.scanTime, 5);
    EXPECT_EQ(read.keyTime, 0.6f);
    EXPECT_EQ(read.textOn, 0);
    EXPECT_EQ(read.capsOn, 1);
    EXPECT_EQ(read.speechOn, 0);
    EXPECT_EQ(read.numPatterns, 8);
    EXPECT_EQ(read.numFinds, 4);
    EXPECT_EQ(read.speedGame1, 75);
    EXPECT_EQ(read.speedGame6, 25);
    EXPECT_EQ(read.movie, 1);
    EXPECT_EQ(read.lineWidth, 30);
    EXPECT_EQ(read.contactMode, 2);
    EXPECT_EQ(read.findPause, 10);
    EXPECT_EQ(read.soundOn, written.soundOn);
    EXPECT_EQ(read.musicOn, written.musicOn);
    EXPECT_EQ(read.random, written.random);
    EXPECT_EQ(read.backgroundColour, written.backgroundColour);
    EXPECT_EQ(read.listName, written.listName);
}

TEST_F(OptionsTest, ASettingsFileInAnyEncodingReads) {
    // UTF-16 little-endian with mark, as an editor on another machine may save it.
    std::u16string text = u"\uFEFF1\r\n1\r\n2\r\n0.8\r\n";
    std::string bytes;
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    folder.write("options/vimo.opt", bytes);
    Options options(files);
    EXPECT_EQ(options.oneContact, 1);
    EXPECT_EQ(options.scanTime, 2);
    EXPECT_EQ(options.keyTime, 0.8f);
}

TEST_F(OptionsTest, LinesThatAreNotNumbersReadAsZeroAndOthersAsTheCLibraryReadsThem) {
    folder.write("options/vimo.opt", "yes\r\n  1 switch\r\n-3\r\nfast\r\n4294967297\r\n");
    Options options(files);
    EXPECT_EQ(options.oneContact, 0);
    EXPECT_EQ(options.useStop, 1);
    EXPECT_EQ(options.scanTime, -3); // out of range, taken as it is
    EXPECT_EQ(options.keyTime, 0.0f);
    EXPECT_EQ(options.textOn, 1); // modulo 2^32
}

TEST_F(OptionsTest, AShortFileGivesDefaultsForEveryMissingLineEvenAfterOtherSettings) {
    folder.write("options/vimo.opt", "1\r\n1\r\n5\r\n");
    folder.write("options/English.opt", "0\r\n");
    Options options(files);
    // Written back, every setting but the file's three is its default: the empty line after the
    // last line end is no key time of 0.
    std::string threeSet = defaultOptionsFile();
    threeSet.replace(threeSet.find("0\r\n0\r\n3\r\n"), 9, "1\r\n1\r\n5\r\n");
    ASSERT_TRUE(options.writeOptionsFile());
    EXPECT_EQ(folder.read("options/vimo.opt"), threeSet);
    options.numPatterns = 8;
    options.backgroundColour[6] = 0xFF000000;
    options.listName[6] = u"farm";
    // A reset from a template of one line is complete all the same.
    ASSERT_TRUE(options.readOptionsFile(u"options\\English.opt"));
    ASSERT_TRUE(options.writeOptionsFile());
    EXPECT_EQ(folder.read("options/vimo.opt"), defaultOptionsFile());
}

TEST_F(OptionsTest, AMissingFileChangesNothing) {
    folder.write("options/vimo.opt", "1\r\n");
    Options options(files);
    options.scanTime = 4;
    EXPECT_FALSE(options.readOptionsFile(u"options\\Missing.opt"));
    EXPECT_EQ(options.oneContact, 1);
    EXPECT_EQ(options.scanTime, 4);
}

// A record carries its language; the capitals come from rules made from it, and neither the
// record nor the rules change the locale the whole process shares.
TEST(OptionsLanguageTest, TheRecordsLanguageGivesItsCapitalsWithoutTouchingTheCLocale) {
    TemporaryFolder folder;
    DiskFileSystem files{folder.path()};
    folder.makeFolder("options");
    const std::string before = std::setlocale(LC_ALL, nullptr);
    for (const auto& [language, capitals] : {std::pair{"Swedish", u"\u00c5\u00c4\u00d6A"},
                                             std::pair{"other", u"\u00e5\u00e4\u00f6A"}}) {
        folder.write("data/lang.txt", language);
        const Options options(files);
        std::u16string text = u"\u00e5\u00e4\u00f6a";
        CharacterRules(options.language).toUpperCase(text);
        EXPECT_EQ(text, capitals) << language;
        EXPECT_EQ(std::setlocale(LC_ALL, nullptr), before) << language;
        EXPECT_EQ(std::towupper(L'\u00e5'), L'\u00e5') << language;
    }
    EXPECT_EQ(std::setlocale(LC_ALL, nullptr), before);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/content/Options.h"

#include "FaultyFileSystem.h"
#include "SettingsRecord.h"
#include "TemporaryFolder.h"
#include "common/content/CharacterRules.h"
#include "game/content/ContentList.h"

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

// The defaults but for the first three lines: one switch, the stop button, 5 s of scan time.
std::string threeSet() {
    std::string bytes = defaultOptionsFile();
    return bytes.replace(bytes.find("0\r\n0\r\n3\r\n"), 9, "1\r\n1\r\n5\r\n");
}

} // namespace

class OptionsTest : public ::testing::Test {
protected:
    TemporaryFolder folder;
    FaultyFileSystem files{folder.path()};
};

TEST_F(OptionsTest, AFirstStartWithoutAnyOptionsFileWritesTheDefaultsByteForByte) {
    folder.write("data/lang.txt", "English\r\n");
    folder.makeFolder("options");
    Options options(files);
    EXPECT_EQ(options.language, u"English");
    EXPECT_EQ(folder.read("options/vimo.opt"), defaultOptionsFile());
}

// The start reads options/vimo.opt, else the language's template <language>.opt, which it then
// writes unchanged as vimo.opt; an existing vimo.opt is never written over by the start.
TEST_F(OptionsTest, TheStartReadsItsOwnFileElseTheLanguagesTemplate) {
    const struct {
        const char* what;
        const char* language;
        std::vector<std::pair<const char*, std::string>> files; // a path ending in / is a folder
        std::size_t readFailsAfter;
        int scanTime;
        const char* vimoOpt; // what options/vimo.opt holds afterwards; nullptr: a folder
    } cases[] = {
        {"the template", "Swedish", {{"options/Swedish.opt", threeSet()}}, SIZE_MAX, 5, "three"},
        {"the language other", "other", {{"options/other.opt", threeSet()}}, SIZE_MAX, 5, "three"},
        {"the own file wins",
         "English",
         {{"options/English.opt", defaultOptionsFile()}, {"options/vimo.opt", "1\r\n1\r\n5\r\n"}},
         SIZE_MAX,
         5,
         "1\r\n1\r\n5\r\n"},
        {"a folder in its place",
         "English",
         {{"options/vimo.opt/", ""}, {"options/English.opt", "1\r\n1\r\n5\r\n"}},
         SIZE_MAX,
         5,
         nullptr},
        {"unreadable at once: the defaults",
         "English",
         {{"options/vimo.opt", "1\r\n1\r\n5\r\n"}},
         0,
         3,
         "1\r\n1\r\n5\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(folder.path() / "options");
        folder.makeFolder("options");
        folder.write("data/lang.txt", c.language);
        for (const auto& [path, bytes] : c.files) {
            const std::string name = path;
            name.ends_with('/') ? folder.makeFolder(name.substr(0, name.size() - 1))
                                : folder.write(name, bytes);
        }
        files.readFailsAfter = c.readFailsAfter;
        Options options(files);
        EXPECT_EQ(options.scanTime, c.scanTime);
        if (c.vimoOpt == nullptr) {
            EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "options/vimo.opt"));
        } else {
            EXPECT_EQ(folder.read("options/vimo.opt"),
                      std::string(c.vimoOpt) == "three" ? threeSet() : c.vimoOpt);
        }
    }
}

TEST_F(OptionsTest, WrittenSettingsReadBackToTheSameRecord) {
    folder.makeFolder("options");
    Options written(files);
    written.oneContact = 1, written.useStop = 1, written.scanTime = 5, written.keyTime = 0.6f;
    written.textOn = 0, written.capsOn = 1, written.speechOn = 0, written.numPatterns = 8;
    written.numFinds = 4, written.speedGame1 = 75, written.speedGame6 = 25, written.movie = 1;
    written.lineWidth = 30, written.contactMode = 2, written.findPause = 10;
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
    EXPECT_EQ(changes(settingsOf(written), settingsOf(Options(files))), std::vector<std::string>{});
}

TEST_F(OptionsTest, AShortFileGivesDefaultsForEveryMissingLineEvenAfterOtherSettings) {
    folder.write("options/vimo.opt", "1\r\n1\r\n5\r\n");
    folder.write("options/English.opt", "0\r\n");
    Options options(files);
    // Written back, every setting but the file's three is its default: the empty line after the
    // last line end is no key time of 0.
    ASSERT_TRUE(options.writeOptionsFile());
    EXPECT_EQ(folder.read("options/vimo.opt"), threeSet());
    options.numPatterns = 8;
    options.backgroundColour[6] = 0xFF000000;
    options.listName[6] = u"farm";
    // A reset from a template of one line is complete all the same; a missing one changes nothing.
    EXPECT_FALSE(options.readOptionsFile(u"options\\Missing.opt"));
    EXPECT_EQ(options.numPatterns, 8);
    ASSERT_TRUE(options.readOptionsFile(u"options\\English.opt"));
    ASSERT_TRUE(options.writeOptionsFile());
    EXPECT_EQ(folder.read("options/vimo.opt"), defaultOptionsFile());
}

TEST_F(OptionsTest, AReadErrorPartWayKeepsWhatWasReadAndDoesNotOverwriteTheFile) {
    // A long list name carries the file past the first read.
    const std::string settings = "\xEF\xBB\xBF"
                                 "1\r\n1\r\n5\r\n0.4\r\n0\r\n1\r\n0\r\n8\r\n2\r\n75\r\n"
                                 "25\r\n1\r\n30\r\n2\r\n7\r\n0\r\n0\r\n0\r\n-1\r\n" +
                                 std::string(2000, 'x') + "\r\n";
    folder.write("options/vimo.opt", settings);
    files.readFailsAfter = 1024; // the first buffer arrives, then the disk fails
    Options options(files);
    EXPECT_EQ(options.scanTime, 5);
    EXPECT_EQ(options.findPause, 7);
    EXPECT_EQ(options.backgroundColour[0], 0xFFFFFFFFu);
    EXPECT_EQ(options.listName[0], u"vimo"); // cut off: the default
    EXPECT_EQ(options.soundOn[1], 1);
    EXPECT_EQ(folder.read("options/vimo.opt"), settings);
}

// A record carries its language; the capitals of a list's texts (not its names) come from rules
// made from it, and neither the record nor the rules change the locale the whole process shares.
TEST_F(OptionsTest, TheRecordsLanguageGivesItsCapitalsWithoutTouchingTheCLocale) {
    folder.makeFolder("options");
    const std::string before = std::setlocale(LC_ALL, nullptr);
    for (const auto& [language, capitals] : {std::pair{"Swedish", u"\u00c5\u00c4\u00d6A"},
                                             std::pair{"other", u"\u00e5\u00e4\u00f6A"}}) {
        folder.write("data/lang.txt", language);
        const Options options(files);
        ContentList list(files, options.language);
        list.exercises.resize(1);
        list.exercises[0].text = list.exercises[0].name = u"\u00e5\u00e4\u00f6a";
        list.upperCaseTexts(CharacterRules(options.language));
        EXPECT_EQ(list.exercises[0].text, capitals) << language;
        EXPECT_EQ(list.exercises[0].name, u"\u00e5\u00e4\u00f6a") << language;
        EXPECT_EQ(std::setlocale(LC_ALL, nullptr), before) << language;
        EXPECT_EQ(std::towupper(L'\u00e5'), L'\u00e5') << language;
    }
}

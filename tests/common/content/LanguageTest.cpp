// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/content/Language.h"

#include "TemporaryFolder.h"
#include "common/content/CharacterRules.h"
#include "common/content/LanguageNames.h"
#include "common/content/LanguageTexts.h"
#include "common/files/DiskFileSystem.h"
#include "common/text/Utf8.h"

#include <array>
#include <clocale>
#include <gtest/gtest.h>
#include <sys/stat.h>

class LanguageTest : public ::testing::Test {
protected:
    TemporaryFolder folder;
    DiskFileSystem files{folder.path()};
};

TEST_F(LanguageTest, TheFirstLineOfTheLanguageFileNamesTheLanguage) {
    struct Case {
        const char* what;
        std::string bytes;
        std::u16string language;
    };
    const Case cases[] = {
        {"more lines", "Swedish\r\nEnglish\r\nignored", u"Swedish"},
        {"UTF-16 with mark", std::string("\xFF\xFES\0w\0e\0d\0i\0s\0h\0\r\0\n\0", 20), u"Swedish"},
        {"UTF-8 with mark", "\xEF\xBB\xBFSvenska", u"Svenska"},
        {"taken whole", " English ", u" English "},
        // not one folder name
        {"empty file", "", u"English"},
        {"a path out", "../../victim", u"English"},
        {"a Windows path out", "..\\..\\victim", u"English"},
        {"a folder below", "Swedish/sub", u"English"},
        {"dot", ".", u"English"},
        {"dot dot", "..", u"English"},
    };
    for (const Case& c : cases) {
        folder.write("data/lang.txt", c.bytes);
        EXPECT_EQ(readLanguage(files), c.language) << c.what;
    }
    // Missing, a folder, or a pipe (passed over at once rather than waited on): English.
    std::filesystem::remove(folder.path() / "data/lang.txt");
    EXPECT_EQ(readLanguage(files), u"English");
    folder.makeFolder("data/lang.txt");
    EXPECT_EQ(readLanguage(files), u"English");
    std::filesystem::remove(folder.path() / "data/lang.txt");
    ASSERT_EQ(::mkfifo((folder.path() / "data/lang.txt").c_str(), 0666), 0);
    EXPECT_EQ(readLanguage(files), u"English");
}

// Every name of a known language (its English name first) selects the locales of that language,
// with a stand-in; an unknown one none.
TEST_F(LanguageTest, EveryNameOfAKnownLanguageSelectsItsLocales) {
    const std::vector<std::string> swedish = {"sv_SE.UTF-8", "C.UTF-8"};
    const std::vector<std::u16string_view> names = namesOfLanguage(u"Swedish");
    ASSERT_GE(names.size(), 2u);
    EXPECT_EQ(names.front(), u"Swedish");
    for (std::u16string_view name : names) {
        EXPECT_EQ(englishLanguageName(name), u"Swedish") << toUtf8(name);
        EXPECT_EQ(localeNamesFor(name), swedish) << toUtf8(name);
    }
    EXPECT_EQ(localeNamesFor(u"english"), (std::vector<std::string>{"en_US.UTF-8", "C.UTF-8"}));
    EXPECT_TRUE(localeNamesFor(u"Klingon").empty());
    EXPECT_TRUE(localeNamesFor(u"").empty());
    EXPECT_TRUE(namesOfLanguage(u"Klingon").empty());
    EXPECT_TRUE(englishLanguageName(u"").empty());
}

// The capitals each language name gives, made without ever changing the locale the whole
// process shares (settings files keep their decimal point, other code its rules).
TEST_F(LanguageTest, EachLanguageNameGivesItsCapitalsWithoutTouchingTheCLocale) {
    struct Case {
        const char16_t* language;
        std::u16string capitals;
    };
    const std::u16string swedish = u"\u00c5\u00c4\u00d6AZ";
    const std::u16string onlyAToZ = u"\u00e5\u00e4\u00f6AZ";
    const Case cases[] = {
        {u"Swedish", swedish},
        {u"sWEDISH", swedish},
        {u"sv_SE.UTF-8", swedish}, // a platform name the table does not know
        {u"other", onlyAToZ},
        {u"Klingon", onlyAToZ},
        {u"", onlyAToZ},                              // never the environment's locale
        {u"/tmp/../usr/lib/locale/C.utf8", onlyAToZ}, // never a path
    };
    const std::string before = std::setlocale(LC_ALL, nullptr);
    for (const Case& c : cases) {
        std::u16string text = u"\u00e5\u00e4\u00f6az";
        CharacterRules(c.language).toUpperCase(text);
        EXPECT_EQ(text, c.capitals) << toUtf8(c.language);
        EXPECT_EQ(std::setlocale(LC_ALL, nullptr), before) << toUtf8(c.language);
    }
}

TEST(LanguageNamesTest, ALanguageWrittenByAnotherOfItsNamesUsesTheFolderThatExists) {
    struct Case {
        std::string written;
        std::vector<std::string> folders;
        std::u16string language;
    };
    const Case cases[] = {
        {"Svenska", {"Swedish", "English"}, u"Swedish"},
        {"sv", {"Swedish"}, u"Swedish"},
        {"SVENSKA", {"swedish"}, u"Swedish"},
        {"Svenska", {"Svenska", "Swedish"}, u"Svenska"}, // the written name's own folder first
        {"Swedish", {"Svenska"}, u"Svenska"},
        {"Svenska", {"English"}, u"Svenska"}, // no folder of the language: as written
        {"\xC3\x8Dslenska", {"Icelandic"}, u"Icelandic"},
        {"\xC3\xADSLENSKA", {"Icelandic"}, u"Icelandic"},
        {"Deutsch", {"German", "English"}, u"German"},
        {"en", {"English"}, u"English"},
        {"Klingon", {"English"}, u"Klingon"},
        {"*", {"English"}, u"*"},
    };
    for (const Case& c : cases) {
        TemporaryFolder folder;
        DiskFileSystem files{folder.path()};
        folder.write("data/lang.txt", "\xEF\xBB\xBF" + c.written);
        for (const std::string& name : c.folders) {
            folder.makeFolder("data/" + name);
        }
        EXPECT_EQ(readLanguage(files), c.language) << c.written;
    }
}

// A language's text file over the built-in English: each line replaces its text where it is
// there, not empty and keeps the %1 the English text has; any encoding the reader knows.
TEST_F(LanguageTest, LanguageTextsFallBackToEnglishLineByLine) {
    struct Case {
        const char* what;
        std::string bytes; // empty: no file at all
        std::array<std::u16string, 3> texts;
    };
    const std::array<std::u16string_view, 3> english = {u"One", u"Two %1", u"Three"};
    const std::u16string two = u"Tv\u00e5 %1";
    const Case cases[] = {
        {"no file", "", {u"One", u"Two %1", u"Three"}},
        {"Swedish, UTF-8",
         "\xEF\xBB\xBF"
         "Ett\r\nTv\xC3\xA5 %1\r\nTre\r\n",
         {u"Ett", two, u"Tre"}},
        {"a line missing", "Ett\r\n", {u"Ett", u"Two %1", u"Three"}},
        {"an empty line", "Ett\r\n\r\nTre", {u"Ett", u"Two %1", u"Tre"}},
        {"%1 left out", "Ett\r\nTv\xE5\r\nTre", {u"Ett", u"Two %1", u"Tre"}},
        {"8-bit", "Ett\r\nTv\xE5 %1\r\nTre\r\nFyra", {u"Ett", two, u"Tre"}},
        {"UTF-16",
         std::string("\xFF\xFE"
                     "E\0t\0t\0\r\0\n\0T\0v\0\xE5\0 \0%\0"
                     "1\0",
                     24),
         {u"Ett", two, u"Three"}},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(folder.path() / "texts.txt");
        if (!c.bytes.empty()) {
            folder.write("texts.txt", c.bytes);
        }
        const std::vector<std::u16string> texts = readLanguageTexts(files, u"texts.txt", english);
        EXPECT_EQ(texts, std::vector<std::u16string>(c.texts.begin(), c.texts.end())) << c.what;
    }
}

TEST(LanguageTextsTest, FillInPutsEachValueAtItsNumberInOnePass) {
    EXPECT_EQ(fillIn(u"A list is missing: %1", {u"data\\x"}), u"A list is missing: data\\x");
    EXPECT_EQ(fillIn(u"%2 i %1", {u"a", u"b"}), u"b i a");
    EXPECT_EQ(fillIn(u"%1 %1", {u"%2"}), u"%2 %2"); // a value is not filled in again
    EXPECT_EQ(fillIn(u"100% %3 %", {u"a"}), u"100% %3 %");
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/content/Language.h"

#include "TemporaryFolder.h"
#include "common/content/CharacterRules.h"
#include "common/content/DesktopLocale.h"
#include "common/content/LanguageNames.h"
#include "common/content/LanguageTexts.h"
#include "common/files/DiskFileSystem.h"
#include "common/text/Utf8.h"

#include <clocale>
#include <gtest/gtest.h>

// The language, in any encoding, by another of its names where only that folder exists; what is
// not one folder name, or no file, gives English.
TEST(LanguageTest, TheFirstLineOfTheLanguageFileNamesTheLanguageFolder) {
    const std::tuple<std::string, std::vector<std::string>, std::u16string> cases[] = {
        {"Swedish\r\nEnglish\r\nignored", {}, u"Swedish"},
        {std::string("\xFF\xFES\0w\0e\0d\0i\0s\0h\0\r\0\n\0", 20), {}, u"Swedish"},
        {"", {}, u"English"},
        {"../../victim", {}, u"English"},
        {"\xEF\xBB\xBFSVENSKA", {"swedish", "English"}, u"Swedish"},
        {"Svenska", {"Svenska", "Swedish"}, u"Svenska"}, // the written name's own folder first
        {"Swedish", {"Svenska"}, u"Svenska"},
        {"Klingon", {"English"}, u"Klingon"},
    };
    for (const auto& [written, folders, language] : cases) {
        TemporaryFolder folder;
        DiskFileSystem files{folder.path()};
        if (!written.empty()) {
            folder.write("data/lang.txt", written);
        }
        for (const std::string& name : folders) {
            folder.makeFolder("data/" + name);
        }
        EXPECT_EQ(readLanguage(files), language) << written;
    }
}

// The process's own locale never changes (settings files keep their decimal point).
TEST(LanguageTest, EachLanguageNameGivesItsLocalesAndCapitalsWithoutTouchingTheCLocale) {
    EXPECT_EQ(localeNamesFor(u"sVENSKA"), (std::vector<std::string>{"sv_SE.UTF-8", "C.UTF-8"}));
    EXPECT_TRUE(localeNamesFor(u"Klingon").empty());
    const std::string before = std::setlocale(LC_ALL, nullptr);
    for (const std::u16string language : {u"sWEDISH", u"", u"/tmp/../usr/lib/locale/C.utf8"}) {
        std::u16string text = u"\u00e5\u00e4\u00f6az";
        CharacterRules(language).toUpperCase(text);
        EXPECT_EQ(text, language == u"sWEDISH" ? u"\u00c5\u00c4\u00d6AZ" : u"\u00e5\u00e4\u00f6AZ");
        EXPECT_EQ(std::setlocale(LC_ALL, nullptr), before) << toUtf8(language);
    }
}

// Each line replaces its English text where it is there, not empty and keeps the English %1.
TEST(LanguageTest, LanguageTextsFallBackToEnglishLineByLine) {
    TemporaryFolder folder;
    DiskFileSystem files{folder.path()};
    const std::vector<std::u16string_view> english = {u"One", u"Two %1", u"Three"};
    EXPECT_EQ(readLanguageTexts(files, u"texts.txt", english),
              (std::vector<std::u16string>{u"One", u"Two %1", u"Three"}));
    folder.write("texts.txt", "\xEF\xBB\xBF"
                              "Ett\r\nTv\xC3\xA5\r\n");
    EXPECT_EQ(readLanguageTexts(files, u"texts.txt", english),
              (std::vector<std::u16string>{u"Ett", u"Two %1", u"Three"}));
    folder.write("texts.txt", "\r\nTv\xC3\xA5 %1\r\n");
    EXPECT_EQ(readLanguageTexts(files, u"texts.txt", english),
              (std::vector<std::u16string>{u"One", u"Tv\u00e5 %1", u"Three"}));
    EXPECT_EQ(fillIn(u"%2 i %1", {u"a", u"b"}), u"b i a");
    EXPECT_EQ(fillIn(u"%1 %1", {u"%2"}), u"%2 %2"); // a value is not filled in again
}

// The first set of LC_ALL, LC_MESSAGES and LANG decides, even as C; a school's language decides
// over all of them.
TEST(LanguageTest, AFirstStartTakesTheSchoolsLanguageElseTheDesktopLocalesLanguage) {
    const std::tuple<std::u16string, DesktopLocale, std::u16string> cases[] = {
        {u"", {"", "", "sv_SE.UTF-8"}, u"Swedish"},
        {u"", {"", "", "nb_NO"}, u"Norwegian"},
        {u"", {"", "de_DE@euro", "sv_SE.UTF-8"}, u"German"},
        {u"", {"C.UTF-8", "", "sv_SE.UTF-8"}, u""},
        {u"", {"", "POSIX", "sv_SE.UTF-8"}, u""},
        {u"", {"", "", "tlh_XX"}, u""},
        {u"", {"", "", ""}, u""},
        {u"Svenska", {"en_GB.UTF-8", "", ""}, u"Svenska"},
    };
    for (const auto& [school, locale, language] : cases) {
        EXPECT_EQ(firstStartLanguage(school, locale), language) << locale.lcAll << locale.lang;
    }
    EXPECT_EQ(ownLanguageName(u"swedish"), u"Svenska");
    EXPECT_EQ(ownLanguageName(u"English"), u"English");
    EXPECT_EQ(ownLanguageName(u"Klingon"), u"Klingon");
}

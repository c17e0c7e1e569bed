#include "common/content/Language.h"

#include "TemporaryFolder.h"
#include "common/files/DiskFileSystem.h"

#include <clocale>
#include <cwctype>
#include <gtest/gtest.h>
#include <sys/stat.h>

class LanguageTest : public ::testing::Test {
protected:
    void TearDown() override { resetCharacterRules(); }

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
}

TEST_F(LanguageTest, AMissingOrUnreadableLanguageFileMeansEnglish) {
    EXPECT_EQ(readLanguage(files), u"English");
    folder.makeFolder("data/lang.txt");
    EXPECT_EQ(readLanguage(files), u"English");
    // A pipe in its place is passed over at once rather than waited on.
    std::filesystem::remove(folder.path() / "data/lang.txt");
    ASSERT_EQ(::mkfifo((folder.path() / "data/lang.txt").c_str(), 0666), 0);
    EXPECT_EQ(readLanguage(files), u"English");
}

TEST_F(LanguageTest, KnownLanguagesMapToLocalesWithAStandIn) {
    EXPECT_EQ(localeNamesFor(u"Swedish"), (std::vector<std::string>{"sv_SE.UTF-8", "C.UTF-8"}));
    EXPECT_EQ(localeNamesFor(u"english"), (std::vector<std::string>{"en_US.UTF-8", "C.UTF-8"}));
    EXPECT_TRUE(localeNamesFor(u"Klingon").empty());
    EXPECT_TRUE(localeNamesFor(u"").empty());
}

TEST_F(LanguageTest, ANameThatIsNoLocaleLeavesTheRulesInForce) {
    selectCharacterRules(u"Swedish");
    const std::string swedish = std::setlocale(LC_CTYPE, nullptr);
    EXPECT_EQ(selectCharacterRules(u"Klingon"), swedish);
    EXPECT_EQ(selectCharacterRules(u""), swedish);
    EXPECT_EQ(selectCharacterRules(u"/tmp/../usr/lib/locale/C.utf8"), swedish); // never a path
    // The numeric rules never change, so settings files keep their decimal point.
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/content/SystemSettings.h"

#include "TemporaryFolder.h"
#include "common/content/Language.h"
#include "common/files/DiskFileSystem.h"

#include <gtest/gtest.h>

// The file as the package ships it changes nothing; lines that are wrong are passed over, each
// alone; access.opt's lines give the switch settings' defaults.
TEST(SystemSettingsTest, EachUnderstoodLineSetsItsSettingAndOthersArePassedOver) {
    TemporaryFolder folder;
    const std::filesystem::path file = folder.path() / "vimo.conf";
    EXPECT_EQ(readSystemSettings(file).content, "") << "no file";
    const struct {
        std::string text;
        std::string content;
        std::u16string language;
        bool optionsLock;
        bool editor;
        int acceptTime;
    } cases[] = {
        {"# content=/srv/vimo\n#language=Swedish\n# optionsLock=1\n#editor=0\n#acceptTime=300\n",
         "", u"", false, true, 0},
        {" content = /srv/vimo \r\nlanguage=Svenska\r\noptionsLock=1\r\neditor=0\r\n"
         "acceptTime=300\r\n",
         "/srv/vimo", u"Svenska", true, false, 300},
        {"content=srv/vimo\nlanguage=../Swedish\noptionsLock=yes\neditor=2\nacceptTime=99999\n"
         "content\nlanguage\n=1\n",
         "", u"", false, true, 0},
        {"\xEF\xBB\xBFlanguage=Swedish\nlanguage=German\n", "", u"German", false, true, 0},
    };
    for (const auto& c : cases) {
        folder.write("vimo.conf", c.text);
        const SystemSettings read = readSystemSettings(file);
        EXPECT_EQ(read.content, c.content) << c.text;
        EXPECT_EQ(read.language, c.language) << c.text;
        EXPECT_EQ(read.optionsLock, c.optionsLock) << c.text;
        EXPECT_EQ(read.editor, c.editor) << c.text;
        EXPECT_EQ(read.access.acceptTime, c.acceptTime) << c.text;
    }
    EXPECT_EQ(systemSettingsPath(nullptr), "/etc/vimo/vimo.conf");
    EXPECT_EQ(systemSettingsPath(""), "/etc/vimo/vimo.conf");
    EXPECT_EQ(systemSettingsPath("/tmp/x.conf"), "/tmp/x.conf");
}

// Only a first start takes the system's language, and only one the content has.
TEST(SystemSettingsTest, AFirstStartTakesTheSystemsLanguageWhereTheContentHasIt) {
    const std::tuple<std::u16string, bool, std::u16string> cases[] = {
        {u"sv", false, u"Swedish"},
        {u"Swedish", true, u"English"},
        {u"German", false, u"English"},
        {u"", false, u"English"},
    };
    for (const auto& [language, started, spoken] : cases) {
        TemporaryFolder folder;
        folder.write("data/lang.txt", "English");
        folder.makeFolder("data/English");
        folder.makeFolder("data/Swedish");
        if (started) {
            folder.write("options/vimo.opt", "0");
        }
        DiskFileSystem files(folder.path());
        SystemSettings system;
        system.language = language;
        takeSystemLanguage(files, system);
        EXPECT_EQ(readLanguage(files), spoken);
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/content/SystemSettings.h"

#include "TemporaryFolder.h"
#include "common/files/DiskFileSystem.h"

#include <gtest/gtest.h>

// The file as the package ships it changes nothing; lines that are wrong are passed over, each
// alone; access.opt's lines give the switch settings' defaults.
TEST(SystemSettingsTest, EachUnderstoodLineSetsItsSettingAndOthersArePassedOver) {
    TemporaryFolder folder;
    const std::filesystem::path file = folder.path() / "vimo.conf";
    EXPECT_EQ(readSystemSettings(file), SystemSettings{}) << "no file";
    const std::pair<std::string, SystemSettings> cases[] = {
        {"# content=/srv/vimo\n#language=Swedish\n# optionsLock=1\n#editor=0\n#acceptTime=300\n",
         {}},
        {" content = /srv/vimo \r\nlanguage=Svenska\r\noptionsLock=1\r\neditor=0\r\n"
         "acceptTime=300\r\n",
         {"/srv/vimo", u"Svenska", true, false, {.acceptTime = 300}}},
        {"content=srv/vimo\nlanguage=../Swedish\noptionsLock=yes\neditor=2\nacceptTime=99999\n"
         "content\nlanguage\n=1\n",
         {}},
        {"\xEF\xBB\xBFlanguage=Swedish\nlanguage=German\n",
         {.content = {}, .language = u"German", .access = {}}},
    };
    for (const auto& [text, expected] : cases) {
        folder.write("vimo.conf", text);
        EXPECT_EQ(readSystemSettings(file), expected) << text;
    }
    EXPECT_EQ(systemSettingsPath(nullptr), "/etc/vimo/vimo.conf");
    EXPECT_EQ(systemSettingsPath("/tmp/x.conf"), "/tmp/x.conf");
}

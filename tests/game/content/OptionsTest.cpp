// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/content/Options.h"

#include "FaultyFileSystem.h"
#include "TemporaryFolder.h"
#include "common/content/Language.h"

#include <gtest/gtest.h>

namespace {

// The options file a first start writes when there is no options file at all.
std::string defaultOptionsFile() {
    std::string bytes = "\xEF\xBB\xBF"
                        "0\r\n0\r\n3\r\n0.20000000298\r\n1\r\n0\r\n1\r\n4\r\n"
                        "3\r\n50\r\n50\r\n0\r\n20\r\n0\r\n3\r\n";
    for (const char* colour : {"-14534998", "-16777216", "-16777216", "-16777216", "-4440067",
                               "-12595459", "-12595459"}) {
        bytes += std::string("1\r\n1\r\n1\r\n") + colour + "\r\nvimo\r\n";
    }
    return bytes;
}

} // namespace

class OptionsTest : public ::testing::Test {
protected:
    TemporaryFolder folder;
    FaultyFileSystem files{folder.path()};
};

// The start reads options/vimo.opt, else the language's template <language>.opt, else the
// defaults, and in those two cases writes the settings as vimo.opt; an existing vimo.opt is never
// written over by the start, even when it cannot be read.
TEST_F(OptionsTest, TheStartReadsItsOwnFileElseTheLanguagesTemplateElseTheDefaults) {
    const std::string three = "1\r\n1\r\n5\r\n", defaults = defaultOptionsFile();
    std::string threeSet = defaults; // every setting but the three in `three` its default
    threeSet.replace(3, 9, three);
    const struct {
        const char* what;
        std::string swedishOpt, vimoOptBefore; // "" for none
        bool unreadable;
        int scanTime;
        std::string vimoOpt; // what options/vimo.opt holds afterwards
    } cases[] = {
        {"no file at all", "", "", false, 3, defaults},
        {"the template", three, "", false, 5, threeSet},
        {"the own file wins", defaults, three, false, 5, three},
        {"unreadable at once: the defaults", "", three, true, 3, three},
    };
    folder.write("data/lang.txt", "Swedish\r\n");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(folder.path() / "options");
        folder.makeFolder("options");
        c.swedishOpt.empty() ? void() : folder.write("options/Swedish.opt", c.swedishOpt);
        c.vimoOptBefore.empty() ? void() : folder.write("options/vimo.opt", c.vimoOptBefore);
        files.readFailsAfter = c.unreadable ? 0 : SIZE_MAX;
        Options options(files);
        EXPECT_EQ(options.scanTime, c.scanTime);
        EXPECT_EQ(folder.read("options/vimo.opt"), c.vimoOpt);
    }
}

// A first start plays in the desktop's language where a folder of it is there, from its template,
// and keeps it for the next start and the editor; the content folder's own language, or one
// without a folder, leaves the settings file as it always was. Unwritable, the session keeps it.
TEST_F(OptionsTest, AFirstStartTakesTheDesktopsLanguageWhereItHasAFolder) {
    const std::tuple<std::u16string, std::u16string, bool> cases[] = {
        {u"Swedish", u"Svenska", false}, {u"sv", u"Svenska", true}, {u"German", u"English", false},
        {u"English", u"English", false}, {u"", u"English", true},
    };
    folder.makeFolder("data/English");
    folder.makeFolder("data/Svenska");
    folder.makeFolder("options");
    folder.write("options/Svenska.opt", "1\r\n");
    for (const auto& [desktop, language, unwritable] : cases) {
        std::filesystem::remove(folder.path() / "options/vimo.opt");
        files.replacingFailsWith = unwritable ? 30 : 0;
        const std::optional<SettingValues> kept = Options::startSession(files, desktop);
        ASSERT_EQ(kept.has_value(), unwritable && language == u"Svenska");
        files.replacingFailsWith = 0;
        const Options next(files, kept);
        EXPECT_EQ(next.language, language);
        EXPECT_EQ(next.oneContact, language == u"Svenska" ? 1 : 0);
        if (!unwritable) {
            EXPECT_EQ(readLanguage(files), language);
            const bool keptInFile = language == u"Svenska";
            EXPECT_TRUE(
                folder.read("options/vimo.opt").ends_with(keptInFile ? "Svenska\r\n" : "vimo\r\n"));
        }
    }
}

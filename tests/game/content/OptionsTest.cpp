// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/content/Options.h"

#include "FaultyFileSystem.h"
#include "TemporaryFolder.h"

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

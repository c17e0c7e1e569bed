// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionsScreenFixture.h"

class OptionsControlsTest : public OptionsScreenFixture {};

// Only the buttons click, and they change no setting; the settings are silent.
TEST_F(OptionsControlsTest, EachControlChangesItsOwnSettingOnItsOwnTabOnlyAndTheButtonsClick) {
    using Changes = std::vector<std::string>;
    struct Case {
        const char* what;
        int tab;
        Picture OptionsLayout::*control;
        Changes changed;
        bool clicks = false;
    };
    const Case cases[] = {
        {"reset", 0, &OptionsLayout::resetButton, {}, true},
        {"about", 0, &OptionsLayout::aboutButton, {}, true},
        {"stop", 0, &OptionsLayout::stopButton, {}, true},
        {"contacts", 0, &OptionsLayout::contactsBox, {"oneContact: 0 -> 1"}},
        {"Esc", 0, &OptionsLayout::useEsc, {"useStop: 0 -> 1"}},
        {"random's place on the menu's tab", 0, &OptionsLayout::random, {"useStop: 0 -> 1"}},
        {"key time", 0, &OptionsLayout::keyBox, {"keyTime: 0.2 -> 0.4"}},
        {"scan time with two switches", 0, &OptionsLayout::scanBox, {}},
        {"sound", 4, &OptionsLayout::soundOn, {"soundOn[4]: 1 -> 0"}},
        {"music", 6, &OptionsLayout::musicOn, {"musicOn[6]: 1 -> 0"}},
        {"order", 3, &OptionsLayout::orderBox, {"random[3]: 1 -> 0"}},
        {"caps, inside the list box", 5, &OptionsLayout::capsOn, {"capsOn: 0 -> 1"}},
        {"text", 5, &OptionsLayout::textBox, {"textOn: 1 -> 0"}},
        {"speech", 5, &OptionsLayout::speechBox, {"speechOn: 1 -> 0"}},
        {"patterns", 2, &OptionsLayout::countBox, {"numPatterns: 4 -> 8"}},
        {"finds", 3, &OptionsLayout::countBox, {"numFinds: 3 -> 4"}},
        {"pause", 3, &OptionsLayout::pauseBox, {"findPause: 3 -> 4"}},
        {"rings' speed", 1, &OptionsLayout::speedBox, {"speedGame1: 50 -> 25"}},
        {"moving picture's speed", 6, &OptionsLayout::speedBox, {"speedGame6: 50 -> 25"}},
        {"movie", 6, &OptionsLayout::movieBox, {"movie: 0 -> 1"}},
        {"line", 1, &OptionsLayout::lineBox, {"lineWidth: 20 -> 30"}},
        {"mode", 1, &OptionsLayout::modeBox, {"contactMode: 0 -> 1"}},
        {"colour", 6, &OptionsLayout::colourBox, {"backgroundColour[6]: ff3fcefd -> ff0000ff"}},
        {"count on the painting tab", 4, &OptionsLayout::countBox, {}},
        {"key time off the menu's tab", 2, &OptionsLayout::keyBox, {}},
    };
    for (const Case& c : cases) {
        auto screen = makeScreen();
        test.sound.calls.clear();
        chooseTab(*screen, c.tab);
        const SettingsRecord before = settingsOf(screen->options());
        pressOn(*screen, screen->layout().*c.control);
        EXPECT_EQ(changes(before, settingsOf(screen->options())), c.changed) << c.what;
        EXPECT_EQ(test.sound.calls, c.clicks ? Calls{"playOnce sfx\\click.wav"} : Calls{})
            << c.what;
    }
    // With the menu's sounds off, not even the buttons click.
    auto quiet = makeScreen([](Options& o) { o.soundOn[0] = 0; });
    test.sound.calls.clear();
    pressOn(*quiet, quiet->layout().stopButton);
    EXPECT_EQ(test.sound.calls, Calls{});
}

// The steps are those of SettingCycles; here the text, which always has one decimal.
TEST_F(OptionsControlsTest, KeyTimeShowsOneDecimalAllRound) {
    auto screen = makeScreen();
    for (const std::u16string text : {u"0.4 s", u"0.6 s", u"0.8 s", u"1.0 s", u"0.2 s"}) {
        pressOn(*screen, screen->layout().keyBox);
        EXPECT_EQ(screen->layout().keyTime.text, text);
    }
}

TEST_F(OptionsControlsTest, ScanTimeChangesOnlyWithOneSwitchAndIsCrossedOutOtherwise) {
    auto screen = makeScreen();
    const std::string cross = "image gfx\\options\\offCross.png at 350,428";
    EXPECT_TRUE(has(frame(*screen), cross));
    pressOn(*screen, screen->layout().contactsBox);
    for (int press = 0; press < 3; ++press) {
        pressOn(*screen, screen->layout().scanBox);
    }
    EXPECT_EQ(screen->options().scanTime, 1); // 3, 4, 5, 1
    const Calls calls = frame(*screen);
    EXPECT_FALSE(has(calls, cross));
    EXPECT_TRUE(has(calls, "image gfx\\buttons\\oneContact.png at 81,428"));
    EXPECT_TRUE(has(calls, "text \"1 s\" in 429,448 36x24 ff000000 Comic Sans MS 24px"));

    // Any number but 0 in the file means one switch, for the menu as for this box.
    auto fromFile = makeScreen([](Options& o) { o.oneContact = 2; });
    pressOn(*fromFile, fromFile->layout().scanBox);
    EXPECT_EQ(fromFile->options().scanTime, 4);
    EXPECT_FALSE(has(frame(*fromFile), cross));
}

TEST_F(OptionsControlsTest, TheListBoxWalksTheListsOfTheLanguageFolder) {
    struct Case {
        int tab;
        std::u16string name;
        std::vector<std::u16string> presses;
        const char* language = nullptr; // another than English, written before the screen starts
        const char* oddFile = nullptr;  // a further file in the English folder
    };
    const Case cases[] = {
        {2, u"b", {u"c", u"a", u"b", u"c"}},
        {3, u"b", {u"c", u"a"}},
        {5, u"a", {u"b", u"c", u"a"}},
        {6, u"gone", {u"b", u"c"}}, // a name not among the files: the second name comes first
        // Names that could not stand on one line of the settings file are not offered.
        {3, u"c", {u"a", u"b", u"c", u"a"}, nullptr, "zz\r\n0\r\n0"},
        {5, u"c", {u"a", u"b"}, nullptr, "c\tab"},
        {2, u"djur", {u"djur"}, "Swedish"}, // a language folder without lists: the name stays
    };
    for (const Case& c : cases) {
        if (c.oddFile != nullptr) {
            test.folder.write(std::string("data/English/") + c.oddFile, "");
        }
        if (c.language != nullptr) {
            test.folder.write("data/lang.txt", c.language);
            test.folder.write(std::string("data/") + c.language + "/Options/options.txt", "Stopp");
        }
        const auto tab = static_cast<std::size_t>(c.tab);
        auto screen = makeScreen([&](Options& o) { o.listName[tab] = c.name; });
        chooseTab(*screen, c.tab);
        std::vector<std::u16string> seen;
        for (std::size_t press = 0; press < c.presses.size(); ++press) {
            pressOn(*screen, screen->layout().listBox);
            seen.push_back(screen->options().listName[tab]);
        }
        EXPECT_EQ(seen, c.presses) << "tab " << c.tab << ", from " << toUtf8(c.name);
        if (c.oddFile != nullptr) {
            std::filesystem::remove(test.folder.path() / "data/English" / c.oddFile);
        }
    }
}

TEST_F(OptionsControlsTest, TheColourBoxCyclesOnFromTheOpenTabsColour) {
    struct Case {
        const char* what;
        std::vector<int> tabs; // opened in this order before two presses on the colour box
        std::uint32_t first;
        std::uint32_t second;
    };
    const Case cases[] = {
        {"the menu's blue", {}, 0xFFEDFDC1, 0xFFB5F58A},
        {"a colour from elsewhere: the cycle wraps", {3}, 0xFF000000, 0xFFFFFFFF},
        {"tab 2, then tab 5", {2, 5}, 0xFF0000FF, 0xFF2236AA},
        // Grey ends the palette; then comes the colour that tab 3 added.
        {"each exercise's own colour", {3, 6}, 0xFF123456, 0xFF000000},
    };
    for (const Case& c : cases) {
        auto screen = makeScreen([](Options& o) {
            o.backgroundColour[3] = 0xFF123456;
            o.backgroundColour[6] = 0xFF808080;
        });
        std::size_t tab = 0;
        for (int t : c.tabs) {
            chooseTab(*screen, t);
            tab = static_cast<std::size_t>(t);
        }
        pressOn(*screen, screen->layout().colourBox);
        EXPECT_EQ(screen->options().backgroundColour[tab], c.first) << c.what;
        pressOn(*screen, screen->layout().colourBox);
        EXPECT_EQ(screen->options().backgroundColour[tab], c.second) << c.what;
    }
}

TEST_F(OptionsControlsTest, ValuesFromTheFileOutsideTheCyclesShowAsFarAsTheyCan) {
    auto screen = makeScreen([](Options& o) { o.numPatterns = 3; });
    chooseTab(*screen, 2);
    const Calls calls = frame(*screen);
    EXPECT_EQ(countOf(calls, "numPatterns"), 0);
    // The number at the count box's centre + 52, centred on the pictures.
    EXPECT_TRUE(has(calls, "text \"3\" in 451,448 12x24 ff000000 Comic Sans MS 24px"));
}

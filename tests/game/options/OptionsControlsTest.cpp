#include "OptionsScreenFixture.h"

class OptionsControlsTest : public OptionsScreenFixture {};

TEST_F(OptionsControlsTest, EachControlChangesItsOwnSettingOnItsOwnTabOnly) {
    using Changes = std::vector<std::string>;
    struct Case {
        int tab;
        Picture OptionsLayout::*control;
        Changes changed;
    };
    const Case cases[] = {
        {0, &OptionsLayout::contactsBox, {"oneContact: 0 -> 1"}},
        {0, &OptionsLayout::useEsc, {"useStop: 0 -> 1"}},
        {0, &OptionsLayout::random, {"useStop: 0 -> 1"}}, // the menu has no order: random[0] stays
        {0, &OptionsLayout::keyBox, {"keyTime: 0.2 -> 0.4"}},
        {0, &OptionsLayout::scanBox, {}}, // two switches: no scan time
        {4, &OptionsLayout::soundOn, {"soundOn[4]: 1 -> 0"}},
        {6, &OptionsLayout::musicOn, {"musicOn[6]: 1 -> 0"}},
        {3, &OptionsLayout::orderBox, {"random[3]: 1 -> 0"}},
        {5, &OptionsLayout::capsOn, {"capsOn: 0 -> 1"}}, // inside the list box, which stays
        {5, &OptionsLayout::textBox, {"textOn: 1 -> 0"}},
        {5, &OptionsLayout::speechBox, {"speechOn: 1 -> 0"}},
        {2, &OptionsLayout::countBox, {"numPatterns: 4 -> 8"}},
        {3, &OptionsLayout::countBox, {"numFinds: 3 -> 4"}},
        {3, &OptionsLayout::pauseBox, {"findPause: 3 -> 4"}},
        {1, &OptionsLayout::speedBox, {"speedGame1: 50 -> 25"}},
        {6, &OptionsLayout::speedBox, {"speedGame6: 50 -> 25"}},
        {6, &OptionsLayout::movieBox, {"movie: 0 -> 1"}},
        {1, &OptionsLayout::lineBox, {"lineWidth: 20 -> 30"}},
        {1, &OptionsLayout::modeBox, {"contactMode: 0 -> 1"}},
        {6, &OptionsLayout::colourBox, {"backgroundColour[6]: ff3fcefd -> ff0000ff"}},
        {4, &OptionsLayout::countBox, {}}, // boxes of other tabs are not there
        {2, &OptionsLayout::keyBox, {}},
    };
    for (const Case& c : cases) {
        auto screen = makeScreen();
        chooseTab(*screen, c.tab);
        const Settings before = settingsOf(screen->options());
        pressOn(*screen, screen->layout().*c.control);
        EXPECT_EQ(changes(before, settingsOf(screen->options())), c.changed) << "tab " << c.tab;
    }
}

TEST_F(OptionsControlsTest, KeyTimeGoesRoundInFifthsAndShowsOneDecimal) {
    auto screen = makeScreen();
    const Picture& key = screen->layout().keyTime;
    for (const std::u16string text : {u"0.4 s", u"0.6 s", u"0.8 s", u"1.0 s", u"0.2 s"}) {
        pressOn(*screen, screen->layout().keyBox);
        EXPECT_EQ(key.text, text);
        // Left edge 30 pixels right of the key box's centre, centred on the keyTime picture.
        EXPECT_EQ(key.textRect.x, 687);
        EXPECT_EQ(key.textRect.y, 448);
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
    };
    const Case cases[] = {
        {2, u"b", {u"c", u"a", u"b", u"c"}},
        {3, u"b", {u"c", u"a"}},
        {5, u"a", {u"b", u"c", u"a"}},
        {6, u"gone", {u"b", u"c"}}, // a name not among the files: the second name comes first
    };
    for (const Case& c : cases) {
        const auto tab = static_cast<std::size_t>(c.tab);
        auto screen = makeScreen([&](Options& o) { o.listName[tab] = c.name; });
        chooseTab(*screen, c.tab);
        std::vector<std::u16string> seen;
        for (std::size_t press = 0; press < c.presses.size(); ++press) {
            pressOn(*screen, screen->layout().listBox);
            seen.push_back(screen->options().listName[tab]);
        }
        EXPECT_EQ(seen, c.presses) << "tab " << c.tab;
    }
    // The name shows centred in the list box in 20 pixels: "c" is 10 x 20.
    auto screen = makeScreen([](Options& o) { o.listName[2] = u"c"; });
    chooseTab(*screen, 2);
    EXPECT_TRUE(has(frame(*screen), "text \"c\" in 136,450 10x20 ff000000 Comic Sans MS 20px"));
}

TEST_F(OptionsControlsTest, AFolderWithoutListsKeepsTheListName) {
    test.folder.write("data/lang.txt", "Swedish");
    test.folder.write("data/Swedish/Options/options.txt", "Stopp");
    auto screen = makeScreen([](Options& o) { o.listName[2] = u"djur"; });
    chooseTab(*screen, 2);
    pressOn(*screen, screen->layout().listBox);
    EXPECT_EQ(screen->options().listName[2], u"djur");
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
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                            [](const std::string& c) { return c.find("numPatterns") != c.npos; }),
              0);
    // The number at the count box's centre + 52, centred on the pictures.
    EXPECT_TRUE(has(calls, "text \"3\" in 451,448 12x24 ff000000 Comic Sans MS 24px"));
    chooseTab(*screen, 1);
    for (const char* width : {"20", "30", "10"}) {
        EXPECT_TRUE(
            has(frame(*screen), std::string("line 74,460 to 208,460 ff0000ff pen ") + width));
        pressOn(*screen, screen->layout().lineBox);
    }
}

TEST_F(OptionsControlsTest, TheButtonsClickWhenTheMenusSoundsAreOn) {
    struct Case {
        int menuSound;
        Picture OptionsLayout::*where;
        Calls sounds;
    };
    const Case cases[] = {
        {1, &OptionsLayout::resetButton, {"playOnce sfx\\click.wav"}},
        {1, &OptionsLayout::aboutButton, {"playOnce sfx\\click.wav"}},
        {1, &OptionsLayout::stopButton, {"playOnce sfx\\click.wav"}},
        {0, &OptionsLayout::stopButton, {}},
        {1, &OptionsLayout::colourBox, {}}, // settings make no sound
    };
    for (const Case& c : cases) {
        auto screen = makeScreen([&c](Options& o) { o.soundOn[0] = c.menuSound; });
        test.sound.calls.clear();
        pressOn(*screen, screen->layout().*c.where);
        EXPECT_EQ(test.sound.calls, c.sounds);
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/options/OptionsScreen.h"

#include "ScreenFixture.h"
#include "SettingsRecord.h"
#include "common/text/Utf8.h"

// An options screen over a content folder of the test's own with three lists. The boxes' frame
// has the demo content's size; the other pictures pressed here are given one smaller size.
class OptionsScreenTest : public ScreenFixture {
protected:
    OptionsScreenTest() {
        graphics.setImageSize(u"gfx\\options\\frame.png", 234, 100);
        for (const std::string name :
             {"buttons\\reset", "buttons\\musicOn", "options\\random", "options\\capsOn",
              "menu\\game00s", "menu\\game01s", "menu\\game02s", "menu\\game03s", "menu\\game04s",
              "menu\\game05s", "menu\\game06s"}) {
            graphics.setImageSize(fromUtf8("gfx\\" + name + ".png"), 60, 60);
        }
        for (const char* name : {"a", "b", "c"}) {
            test.folder.write(std::string("data/English/") + name, "");
        }
    }

    // Writes the settings (the defaults, changed by `adjust`) and builds and begins a screen on
    // them, as the screen factory does.
    std::unique_ptr<OptionsScreen> makeScreen(const std::function<void(Options&)>& adjust =
                                                  [](Options&) {}) {
        auto screen = started<OptionsScreen>(adjust);
        screen->update();
        return screen;
    }

    static void pressOn(OptionsScreen& screen, const Picture& picture) {
        screen.mouseDown(static_cast<int>(picture.centreX()), static_cast<int>(picture.centreY()));
        screen.update();
    }

    static void chooseTab(OptionsScreen& screen, int tab) {
        pressOn(screen, screen.layout().tabs.at(static_cast<std::size_t>(tab)));
    }
};

// Only the buttons click, and they change no setting; the settings are silent.
TEST_F(OptionsScreenTest, EachControlChangesItsOwnSettingOnItsOwnTabOnlyAndTheButtonsClick) {
    const struct {
        const char* what;
        int tab;
        Picture OptionsLayout::*control;
        std::vector<std::string> changed;
        int oneContact = 0;
    } cases[] = {
        {"stop", 0, &OptionsLayout::stopButton, {}},
        {"random's place on the menu's tab", 0, &OptionsLayout::random, {"useStop: 0 -> 1"}},
        {"scan time with two switches", 0, &OptionsLayout::scanBox, {}},
        // Any number but 0 in the file means one switch, for the menu as for this box.
        {"scan time with one switch", 0, &OptionsLayout::scanBox, {"scanTime: 3 -> 4"}, 2},
        {"music", 6, &OptionsLayout::musicOn, {"musicOn[6]: 1 -> 0"}},
        {"caps, inside the list box", 5, &OptionsLayout::capsOn, {"capsOn: 0 -> 1"}},
        {"rings' speed", 1, &OptionsLayout::speedBox, {"speedGame1: 50 -> 25"}},
        {"count on the painting tab", 4, &OptionsLayout::countBox, {}},
        {"key time off the menu's tab", 2, &OptionsLayout::keyBox, {}},
    };
    for (const auto& c : cases) {
        auto screen = makeScreen([&](Options& o) { o.oneContact = c.oneContact; });
        heard();
        chooseTab(*screen, c.tab);
        const SettingsRecord before = settingsOf(screen->options());
        pressOn(*screen, screen->layout().*c.control);
        EXPECT_EQ(changes(before, settingsOf(screen->options())), c.changed) << c.what;
        const bool button = c.control == &OptionsLayout::stopButton;
        EXPECT_EQ(heard(), button ? Calls{"playOnce sfx\\click.wav"} : Calls{}) << c.what;
    }
}

// The lists are walked in the order of their names and round, passing by a name that could not
// stand on one line of the settings file; a name not among them goes to the second name.
TEST_F(OptionsScreenTest, TheListBoxWalksTheListsOfTheLanguageFolder) {
    test.folder.write("data/English/zz\r\n0", "");
    auto screen = makeScreen([&](Options& o) { o.listName[6] = u"gone"; });
    chooseTab(*screen, 6);
    std::vector<std::u16string> seen;
    for (int press = 0; press < 3; ++press) {
        pressOn(*screen, screen->layout().listBox);
        seen.push_back(screen->options().listName[6]);
    }
    EXPECT_EQ(seen, (std::vector<std::u16string>{u"b", u"c", u"a"}));
}

TEST_F(OptionsScreenTest, ResetTakesTheLanguagesSettingsElseTheDefaults) {
    writeSettings([](Options& english) {
        english.keyTime = 0.6f;
        english.optionsPath = u"options\\English.opt";
    });
    for (const float keyTime : {0.6f, 0.2f}) {
        auto screen = makeScreen([](Options& o) { o.lineWidth = 10; });
        pressOn(*screen, screen->layout().resetButton);
        Options expected(test.files);
        expected.setDefaultOptions();
        expected.keyTime = keyTime;
        EXPECT_EQ(settingsOf(screen->options()), settingsOf(expected));
        std::filesystem::remove(test.folder.path() / "options/English.opt");
    }
}

// As the screen goes, even ended by the system, the settings are written at once when changed
// and left as they were otherwise, even a file too short to hold every setting.
TEST_F(OptionsScreenTest, TheSettingsAreWrittenAsTheScreenGoesOnlyWhenChanged) {
    auto screen = makeScreen();
    pressOn(*screen, screen->layout().musicOn);
    screen.reset();
    EXPECT_EQ(Options(test.files).musicOn[0], 0);

    test.folder.write("options/vimo.opt", "1\r\n");
    screen = std::make_unique<OptionsScreen>(services);
    begin(*screen);
    chooseTab(*screen, 2);
    screen.reset();
    EXPECT_EQ(test.folder.read("options/vimo.opt"), "1\r\n");
}

// While the about picture shows, what lies under it does not answer; stop and Esc close it
// without leaving.
TEST_F(OptionsScreenTest, TheAboutPictureCoversTheControlsUntilStopOrEscClosesIt) {
    auto screen = makeScreen([](Options& o) { o.lineWidth = 10; }); // not what reset gives
    pressOn(*screen, screen->layout().aboutButton);
    ASSERT_TRUE(screen->aboutShown());
    const SettingsRecord before = settingsOf(screen->options());
    for (Picture OptionsLayout::*hidden :
         {&OptionsLayout::resetButton, &OptionsLayout::colourBox, &OptionsLayout::keyBox}) {
        pressOn(*screen, screen->layout().*hidden);
    }
    chooseTab(*screen, 3);
    EXPECT_EQ(settingsOf(screen->options()), before);
    EXPECT_EQ(screen->currentTab(), OptionsTab::Menu);
    pressOn(*screen, screen->layout().stopButton);
    EXPECT_FALSE(screen->aboutShown());
    pressOn(*screen, screen->layout().aboutButton);
    screen->keyDown(kKeyEscape);
    EXPECT_FALSE(screen->aboutShown());
    EXPECT_EQ(screen->update(), Stay);
}

// The language box walks the language folders by their own names; the screen speaks the chosen
// one at once (its help line, its lists) and leaving keeps it for the screens that follow.
TEST_F(OptionsScreenTest, TheLanguageBoxChoosesALanguageThatTheScreenSpeaksAtOnce) {
    test.folder.write("data/Swedish/d", "");
    test.folder.write("data/Swedish/Options/options.txt", std::string(22, '\n') + "Spr\xC3\xA5k\n");
    auto screen = makeScreen();
    chooseTab(*screen, 6);
    const OptionsLayout& layout = screen->layout();
    EXPECT_EQ(layout.languageBox.text, u"English");
    pressOn(*screen, layout.languageBox);
    EXPECT_EQ(layout.languageBox.text, u"Svenska");
    EXPECT_EQ(layout.helpLine.text, u"Spr\u00e5k");
    pressOn(*screen, layout.listBox);
    EXPECT_EQ(screen->options().listName[6], u"d");
    pressOn(*screen, layout.stopButton);
    EXPECT_EQ(Options(test.files).language, u"Swedish");
    pressOn(*screen, layout.languageBox);
    EXPECT_EQ(screen->options().language, u"English");
}

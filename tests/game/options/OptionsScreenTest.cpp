// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/options/OptionsScreen.h"

#include "RecordingGraphics.h"
#include "SettingsRecord.h"
#include "TestServices.h"
#include "common/text/Utf8.h"

#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <tuple>

using Calls = std::vector<std::string>;

// An options screen over a content folder of the test's own, with the picture sizes of the demo
// content and three lists.
class OptionsScreenTest : public ::testing::Test {
protected:
    OptionsScreenTest() {
        test.folder.makeFolder("options");
        const std::tuple<int, int, const char*> sizes[] = {
            {234, 100, "options\\frame"},
            {112, 87, "options\\selectedFrame"},
            {800, 600, "options\\about"},
            {60, 60, "buttons\\stop buttons\\reset buttons\\about"},
            {64, 64,
             "options\\offCross buttons\\musicOn buttons\\soundOn options\\random "
             "options\\ordered options\\useStop options\\useEsc buttons\\scanTime "
             "buttons\\keyTime options\\findPause"},
            {120, 64, "buttons\\oneContact"},
            {134, 64, "buttons\\twoContacts options\\speed0 options\\speed1 options\\speed2"},
            {88, 64, "options\\numPatterns4 options\\numFinds3 options\\numFinds4"},
            {96, 64, "options\\speechOn options\\speechOff options\\textOn options\\textOff"},
            {56, 34, "options\\capsOn options\\capsOff"},
            {150, 64, "options\\contactMode0 options\\movie"},
            {100, 75,
             "menu\\game00s menu\\game01s menu\\game02s menu\\game03s menu\\game04s "
             "menu\\game05s menu\\game06s"},
        };
        for (const auto& [width, height, names] : sizes) {
            std::istringstream list(names);
            for (std::string name; list >> name;) {
                graphics.setImageSize(fromUtf8("gfx\\" + name + ".png"), width, height);
            }
        }
        for (const char* name : {"a", "b", "c"}) {
            test.folder.write(std::string("data/English/") + name, "");
        }
    }

    // Writes the settings (the defaults, changed by `adjust`) and builds and begins a screen on
    // them, as the screen factory does.
    std::unique_ptr<OptionsScreen> makeScreen(const std::function<void(Options&)>& adjust = {}) {
        {
            Options options(test.files);
            options.setDefaultOptions();
            if (adjust) {
                adjust(options);
            }
            options.writeOptionsFile();
        }
        auto screen = std::make_unique<OptionsScreen>(services);
        screen->begin(graphics, graphics, window);
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

    TestServices test;
    ScreenServices services = test.services();
    RecordingGraphics graphics;
    RecordingGraphics::FakeImage window{"window", 800, 600};
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
        {"contacts", 0, &OptionsLayout::contactsBox, {"oneContact: 0 -> 1"}},
        {"random's place on the menu's tab", 0, &OptionsLayout::random, {"useStop: 0 -> 1"}},
        {"key time", 0, &OptionsLayout::keyBox, {"keyTime: 0.2 -> 0.4"}},
        {"scan time with two switches", 0, &OptionsLayout::scanBox, {}},
        // Any number but 0 in the file means one switch, for the menu as for this box.
        {"scan time with one switch", 0, &OptionsLayout::scanBox, {"scanTime: 3 -> 4"}, 2},
        {"music", 6, &OptionsLayout::musicOn, {"musicOn[6]: 1 -> 0"}},
        {"caps, inside the list box", 5, &OptionsLayout::capsOn, {"capsOn: 0 -> 1"}},
        {"finds", 3, &OptionsLayout::countBox, {"numFinds: 3 -> 4"}},
        {"moving picture's speed", 6, &OptionsLayout::speedBox, {"speedGame6: 50 -> 25"}},
        {"count on the painting tab", 4, &OptionsLayout::countBox, {}},
        {"key time off the menu's tab", 2, &OptionsLayout::keyBox, {}},
    };
    for (const auto& c : cases) {
        auto screen = makeScreen([&](Options& o) { o.oneContact = c.oneContact; });
        test.sound.calls.clear();
        chooseTab(*screen, c.tab);
        const SettingsRecord before = settingsOf(screen->options());
        pressOn(*screen, screen->layout().*c.control);
        EXPECT_EQ(changes(before, settingsOf(screen->options())), c.changed) << c.what;
        const bool button = c.control == &OptionsLayout::stopButton;
        EXPECT_EQ(test.sound.calls, button ? Calls{"playOnce sfx\\click.wav"} : Calls{}) << c.what;
    }
    // With the menu's sounds off, not even the buttons click.
    auto quiet = makeScreen([](Options& o) { o.soundOn[0] = 0; });
    test.sound.calls.clear();
    pressOn(*quiet, quiet->layout().stopButton);
    EXPECT_EQ(test.sound.calls, Calls{});
}

TEST_F(OptionsScreenTest, TheListBoxWalksTheListsOfTheLanguageFolder) {
    const struct {
        int tab;
        std::u16string name;
        std::vector<std::u16string> presses;
        const char* language = nullptr; // another than English, written before the screen starts
    } cases[] = {
        {2, u"b", {u"c", u"a", u"b"}},
        {6, u"gone", {u"b", u"c"}}, // a name not among the files: the second name comes first
        {2, u"djur", {u"djur"}, "Swedish"}, // a language folder without lists: the name stays
    };
    // A name that could not stand on one line of the settings file is not offered.
    test.folder.write("data/English/zz\r\n0", "");
    for (const auto& c : cases) {
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
    }
}

TEST_F(OptionsScreenTest, TheAboutPictureCoversTheControlsUntilStopOrEscClosesIt) {
    auto screen = makeScreen([](Options& o) { o.lineWidth = 10; }); // not what reset gives
    pressOn(*screen, screen->layout().aboutButton);
    // What lies under the picture does not answer: not the reset button, a tab or a setting.
    const SettingsRecord before = settingsOf(screen->options());
    for (Picture OptionsLayout::*hidden :
         {&OptionsLayout::resetButton, &OptionsLayout::colourBox, &OptionsLayout::keyBox}) {
        pressOn(*screen, screen->layout().*hidden);
    }
    chooseTab(*screen, 3);
    screen->keyDown(kKeySpace);
    EXPECT_EQ(settingsOf(screen->options()), before);
    EXPECT_EQ(screen->currentTab(), OptionsTab::Menu);

    pressOn(*screen, screen->layout().stopButton);
    EXPECT_FALSE(screen->aboutShown());
    pressOn(*screen, screen->layout().aboutButton);
    screen->keyDown(kKeyEscape);
    EXPECT_FALSE(screen->aboutShown());
    EXPECT_EQ(screen->update(), Stay); // closing the picture does not leave

    // A language with an about picture of its own shows that one, with its version line.
    test.folder.write("data/English/Options/about.png", "");
    test.folder.write("data/English/Options/vimo.txt", "\r\n\r\n\r\nUtg\xC3\xA5va 1.0\r\n");
    screen = makeScreen();
    pressOn(*screen, screen->layout().aboutButton);
    EXPECT_EQ(screen->layout().about.text, u"Utg\u00e5va 1.0");
}

TEST_F(OptionsScreenTest, ResetTakesTheLanguagesSettingsAndTheListChooserGoesOnWhereItStood) {
    {
        Options english(test.files);
        english.setDefaultOptions();
        english.keyTime = 0.6f;
        english.listName[2] = u"b";
        english.optionsPath = u"options\\English.opt";
        english.writeOptionsFile();
    }
    auto screen = makeScreen([](Options& o) { o.listName[2] = u"b"; });
    chooseTab(*screen, 2);
    pressOn(*screen, screen->layout().listBox); // c
    pressOn(*screen, screen->layout().resetButton);
    EXPECT_EQ(screen->options().keyTime, 0.6f);
    EXPECT_EQ(screen->layout().listBox.text, u"b");
    // The chooser stood after c: the next name is a, not the c that follows b.
    pressOn(*screen, screen->layout().listBox);
    EXPECT_EQ(screen->options().listName[2], u"a");

    // Without the language's settings, the defaults.
    std::filesystem::remove(test.folder.path() / "options/English.opt");
    auto other = makeScreen([](Options& o) { o.lineWidth = 10; });
    pressOn(*other, other->layout().resetButton);
    Options defaults(test.files);
    defaults.setDefaultOptions();
    EXPECT_EQ(settingsOf(other->options()), settingsOf(defaults));
}

// As the screen goes, even ended by the system, the settings are written at once when changed
// and left as they were otherwise, even a file too short to hold every setting; nor is the adult
// troubled when such a file cannot be written: nothing is lost.
TEST_F(OptionsScreenTest, TheSettingsAreWrittenAsTheScreenGoesOnlyWhenChanged) {
    auto screen = makeScreen();
    pressOn(*screen, screen->layout().musicOn);
    screen.reset();
    EXPECT_EQ(Options(test.files).musicOn[0], 0);

    test.folder.write("options/vimo.opt", "1\r\n");
    screen = std::make_unique<OptionsScreen>(services);
    screen->begin(graphics, graphics, window);
    chooseTab(*screen, 2);
    screen.reset();
    EXPECT_EQ(test.folder.read("options/vimo.opt"), "1\r\n");

    std::filesystem::remove_all(test.folder.path() / "options");
    test.folder.write("options", "notes");
    screen = std::make_unique<OptionsScreen>(services);
    screen->begin(graphics, graphics, window);
    screen->keyDown(kKeyEscape);
    EXPECT_EQ(screen->update(), MenuId);
    EXPECT_TRUE(test.errorBox.messages.empty());
    EXPECT_FALSE(test.unsavedSettings.has_value());
}

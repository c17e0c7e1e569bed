// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionsScreenFixture.h"
#include "TextLines.h"

class OptionsScreenTest : public OptionsScreenFixture {
protected:
    // Empty when every expected call was drawn in this order (others may come between);
    // otherwise the first one missing.
    static std::string firstMissing(const Calls& calls, const Calls& expected) {
        auto from = calls.begin();
        for (const std::string& call : expected) {
            from = std::find(from, calls.end(), call);
            if (from == calls.end()) {
                return call;
            }
            ++from;
        }
        return {};
    }
};

TEST_F(OptionsScreenTest, TheMenusTabDrawsBackToFront) {
    auto screen = makeScreen();
    screen->mouseMove(40, 560); // over the reset button
    const Calls calls = frame(*screen);
    EXPECT_EQ(calls.front(), "clear ff3fcefd");
    EXPECT_EQ(calls.back(), "image window in 0,0 800x600");
    const Calls expected = {
        "image gfx\\options\\selectedFrame.png at 24,44", // centred on the first tab
        "rect 5,525 70x70 ffffffff pen 4",                // the reset button's hover frame
        "fill 36,262 210x76 ff2236aa",                    // the menu's colour
        "image gfx\\options\\frame.png at 24,250",
        "fill 294,262 210x76 fff0f8ff", // pale inside the sound box
        "text \"0.2 s\" in 687,448 60x24 ff000000 Comic Sans MS 24px",
        "image gfx\\options\\offCross.png at 576,268", // Esc only: the stop button crossed out
        "fill 364,175 72x24 ffffef7b", // the reset button's help line, in a box at the top
        "text \"Help 2\" in 364,175 72x24 ff000000 Comic Sans MS 24px",
        "image gfx\\buttons\\stop.png at 730,530",
    };
    EXPECT_EQ(firstMissing(calls, expected), "");
    EXPECT_EQ(countOf(calls, "random.png"), 0);
    EXPECT_EQ(countOf(calls, "offCross.png"), 2); // sound and music are on: no cross there
}

TEST_F(OptionsScreenTest, WithoutAFramePictureTheBoxesCollapseAndEveryTabStillDraws) {
    graphics.setImageSize(u"gfx\\options\\frame.png", 0, 0);
    auto screen = makeScreen([](Options& o) { o.backgroundColour[0] = 0xFF808080; });
    for (int tab = 0; tab < 7; ++tab) { // nothing to fill but the help line's box
        chooseTab(*screen, tab);
        for (const std::string& call : frame(*screen)) {
            EXPECT_TRUE(call.rfind("fill ", 0) != 0 || call.find("ffffef7b") != call.npos) << call;
        }
    }
}

TEST_F(OptionsScreenTest, EveryTabDrawsItsOwnSecondRowAndThePaintingTabNone) {
    struct Case {
        int tab;
        Calls drawn;
        std::ptrdiff_t secondRowBoxes;
    };
    const Case cases[] = {
        {1,
         {"image gfx\\options\\offCross.png at 674,268", // random order: "ordered" crossed out
          "image gfx\\options\\speed1.png at 332,428", "line 74,460 to 208,460 ff0000ff pen 20",
          "image gfx\\options\\contactMode0.png at 582,428"},
         3},
        {2, {"image gfx\\options\\numPatterns4.png at 355,428"}, 2},
        {3, {"text \"3 s\" in 678,448 36x24 ff000000 Comic Sans MS 24px"}, 3}, // the pause
        {4, {}, 0},
        {5, {"image gfx\\options\\capsOff.png at 180,460"}, 3},
        {6, {"image gfx\\options\\contactMode0.png at 582,428"}, 3},
    };
    for (const Case& c : cases) {
        auto screen = makeScreen();
        chooseTab(*screen, c.tab);
        const Calls calls = frame(*screen);
        EXPECT_EQ(firstMissing(calls, c.drawn), "") << "tab " << c.tab;
        EXPECT_EQ(countOf(calls, ",410"), c.secondRowBoxes) << "frames, tab " << c.tab;
        EXPECT_EQ(countOf(calls, ",422 "), c.secondRowBoxes) << "pale fills, tab " << c.tab;
    }
}

// The help line is that of the last control under the pointer on the open tab, if it has one.
TEST_F(OptionsScreenTest, TheHelpLineNamesTheControlUnderThePointer) {
    using enum OptionsTab;
    const struct {
        OptionsTab tab;
        int x, y;
        std::u16string text;
    } cases[] = {
        {Menu, 350, 300, u"Help 4"},            // the music button
        {Menu, 40, 560, u"Help 2"},             // the reset button, below the second row
        {Menu, 5, 5, u""},                      // no control
        {Painting, 110, 560, u""},              // the about button has no line
        {MovingPictures, 100, 380, u""},        // between the rows, below the list box
        {PictureAndWord, 200, 470, u"Help 17"}, // capsOn, inside the list box: the later line
        {FindImages, 600, 450, u"Help 22"},
    };
    for (const auto& c : cases) {
        auto screen = makeScreen();
        chooseTab(*screen, static_cast<int>(c.tab));
        screen->mouseMove(c.x, c.y);
        EXPECT_EQ(screen->layout().helpLine.text, c.text) << c.x << "," << c.y;
        chooseTab(*screen, 2); // opening a tab empties it
        EXPECT_EQ(screen->layout().helpLine.text, u"");
    }
}

TEST_F(OptionsScreenTest, TheAboutPictureCoversTheControlsUntilStopOrEscClosesIt) {
    auto screen = makeScreen([](Options& o) { o.lineWidth = 10; }); // not what reset gives
    pressOn(*screen, screen->layout().aboutButton);
    EXPECT_EQ(firstMissing(frame(*screen),
                           {"image gfx\\options\\about.png at 0,0",
                            "text \"Version 1.0\" in 334,480 132x24 ffffffff Comic Sans MS 24px",
                            "image gfx\\buttons\\stop.png at 10,10"}),
              "");
    // What lies under the picture does not answer: not the reset button, a tab or a setting.
    const SettingsRecord before = settingsOf(screen->options());
    for (Picture OptionsLayout::*hidden :
         {&OptionsLayout::resetButton, &OptionsLayout::colourBox, &OptionsLayout::keyBox}) {
        pressOn(*screen, screen->layout().*hidden);
    }
    chooseTab(*screen, 3);
    screen->mouseMove(350, 300);
    screen->keyDown(kKeySpace);
    EXPECT_EQ(settingsOf(screen->options()), before);
    EXPECT_EQ(screen->currentTab(), OptionsTab::Menu);
    EXPECT_EQ(screen->layout().helpLine.text, u"");

    pressOn(*screen, screen->layout().stopButton);
    EXPECT_FALSE(screen->aboutShown());
    EXPECT_EQ(screen->layout().stopButton.x, 730);
    pressOn(*screen, screen->layout().aboutButton);
    screen->keyDown(kKeyEscape);
    EXPECT_FALSE(screen->aboutShown());
    EXPECT_EQ(screen->update(), Stay); // closing the picture does not leave

    // A language with an about picture of its own shows that one, with its version line.
    test.folder.write("data/English/Options/about.png", "");
    test.folder.write("data/English/Options/vimo.txt", "\r\n\r\n\r\nUtg\xC3\xA5va 1.0\r\n");
    graphics.setImageSize(u"data\\English\\Options\\about.png", 800, 600);
    screen = makeScreen();
    pressOn(*screen, screen->layout().aboutButton);
    EXPECT_EQ(countOf(frame(*screen), "image data\\English\\Options\\about.png at 0,0"), 1);
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
    EXPECT_EQ(screen->layout().keyTime.text, u"0.6 s");
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

// By the stop button, by Esc, or ended by the system while the screen shows: the settings are
// written at once, for the next screen to read.
TEST_F(OptionsScreenTest, LeavingWritesTheSettingsAtOnce) {
    for (const std::string way : {"stop", "Esc", "game ended"}) {
        auto screen = makeScreen();
        pressOn(*screen, screen->layout().colourBox); // 0xFFEDFDC1
        pressOn(*screen, screen->layout().musicOn);
        EXPECT_EQ(screen->update(), Stay);
        if (way == "Esc") {
            screen->keyDown(kKeyEscape);
        } else if (way == "stop") {
            pressOn(*screen, screen->layout().stopButton);
        } else {
            screen.reset();
        }
        EXPECT_EQ(screen ? screen->update() : MenuId, MenuId) << way;
        const auto lines = readAllLines(test.files, u"options\\vimo.opt");
        ASSERT_GE(lines.size(), 20u) << way;
        EXPECT_EQ(lines[16], u"0") << way;        // musicOn[0]
        EXPECT_EQ(lines[18], u"-1180223") << way; // backgroundColour[0]
    }
}

// Even a file too short to hold every setting.
TEST_F(OptionsScreenTest, WithoutAChangeTheSettingsFileIsLeftAsItWas) {
    test.folder.write("options/vimo.opt", "1\r\n");
    auto untouched = std::make_unique<OptionsScreen>(services);
    untouched->begin(graphics, graphics, window);
    chooseTab(*untouched, 2);
    untouched.reset();
    EXPECT_EQ(test.folder.read("options/vimo.opt"), "1\r\n");

    // Nor is the adult troubled when such a file cannot be written: nothing is lost.
    std::filesystem::remove_all(test.folder.path() / "options");
    test.folder.write("options", "notes");
    auto unwritable = std::make_unique<OptionsScreen>(services);
    unwritable->begin(graphics, graphics, window);
    unwritable->keyDown(kKeyEscape);
    EXPECT_EQ(unwritable->update(), MenuId);
    EXPECT_TRUE(test.errorBox.messages.empty());
    EXPECT_FALSE(test.unsavedSettings.has_value());
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionsScreenFixture.h"

class OptionsLayoutTest : public OptionsScreenFixture {};

TEST_F(OptionsLayoutTest, WithoutAFramePictureTheBoxesCollapseToTheirPlaces) {
    graphics.setImageSize(u"gfx\\options\\frame.png", 0, 0);
    auto screen = makeScreen([](Options& o) { o.backgroundColour[0] = 0xFF808080; });
    EXPECT_EQ(screen->layout().orderBox.x, 72);
    EXPECT_EQ(screen->layout().keyBox.y, 310);
    // Nothing to fill inside a box without size (only the help line's box); every tab draws.
    for (int tab = 0; tab < 7; ++tab) {
        chooseTab(*screen, tab);
        for (const std::string& call : frame(*screen)) {
            EXPECT_TRUE(call.rfind("fill ", 0) != 0 || call.find("ffffef7b") != call.npos) << call;
        }
    }
}

TEST_F(OptionsLayoutTest, TheHelpLineIsTheLastControlUnderThePointerOnTheTab) {
    auto screen = makeScreen();
    using enum OptionsTab;
    struct Case {
        OptionsTab tab;
        int x, y, line;
    };
    const Case cases[] = {
        {Menu, 760, 560, 1},
        {Painting, 40, 560, 2},
        {Painting, 110, 560, 0}, // no line for the about button
        {MovingPictures, 30, 255, 3},
        {Menu, 350, 300, 4},
        {Menu, 450, 300, 5},
        {Menu, 300, 300, 0}, // the sound box itself has none
        {ColourRings, 600, 300, 6},
        {ColourRings, 700, 300, 7},
        {Menu, 600, 300, 8}, // random, useStop in its place
        {Menu, 700, 300, 9},
        {Menu, 660, 300, 0},
        {Menu, 100, 450, 10},
        {Menu, 300, 450, 11},
        {Menu, 560, 450, 12},
        {PictureSteps, 100, 450, 13},
        {PictureAndWord, 200, 470, 17}, // capsOn inside the list box
        {ColourRings, 100, 450, 20},
        {Painting, 100, 450, 0}, // no second row on the painting tab
        {PictureSteps, 400, 450, 14},
        {PictureAndWord, 400, 450, 15},
        {PictureAndWord, 600, 450, 16},
        {MovingPictures, 400, 450, 18},
        {MovingPictures, 600, 450, 19},
        {ColourRings, 600, 450, 21},
        {FindImages, 600, 450, 22},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(screen->layout().helpLineAt(c.tab, c.x, c.y), c.line)
            << "tab " << static_cast<int>(c.tab) << " at " << c.x << "," << c.y;
    }
}

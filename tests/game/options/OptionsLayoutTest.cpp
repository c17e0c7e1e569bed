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
    struct Case {
        int tab, x, y, line;
    };
    const Case cases[] = {
        {0, 760, 560, 1},  {4, 40, 560, 2},   {4, 110, 560, 0}, // no line for the about button
        {6, 30, 255, 3},   {0, 350, 300, 4},  {0, 300, 300, 0}, // the sound box itself has none
        {1, 600, 300, 6},  {0, 600, 300, 8},                    // random, useStop in its place
        {0, 700, 300, 9},  {0, 660, 300, 0},  {0, 100, 450, 10}, {0, 300, 450, 11},
        {0, 560, 450, 12}, {2, 100, 450, 13}, {5, 200, 470, 17}, // capsOn inside the list box
        {1, 100, 450, 20}, {4, 100, 450, 0},                     // no second row on tab 4
        {2, 400, 450, 14}, {5, 400, 450, 15}, {5, 600, 450, 16}, {6, 400, 450, 18},
        {6, 600, 450, 19}, {1, 600, 450, 21}, {3, 600, 450, 22},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(screen->layout().helpLineAt(c.tab, c.x, c.y), c.line)
            << "tab " << c.tab << " at " << c.x << "," << c.y;
    }
}

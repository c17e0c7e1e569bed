// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoftwareCanvas.h"
#include "TestServices.h"
#include "game/options/OptionsScreen.h"

#include <gtest/gtest.h>

constexpr std::uint32_t kScreenBlue = 0x3FCEFD;
constexpr std::uint32_t kPale = 0xF0F8FF;

// The options screen on SDL's software renderer, read back pixel by pixel.
class OptionsDrawingTest : public ::testing::Test, public DrawingFixture {
protected:
    OptionsDrawingTest() {
        // The box frame: a dark border 4 pixels wide, open inside.
        writePng("gfx/options/frame.png", 234, 100, [](int x, int y) {
            const bool border = x < 4 || y < 4 || x >= 230 || y >= 96;
            return border ? 0xFF202020u : 0x00000000u;
        });
        folder.makeFolder("options");
        Options options(files);
        options.backgroundColour[0] = 0xFF808080;
        options.writeOptionsFile();
    }

    void showScreen(OptionsScreen& screen) {
        screen.update();
        screen.draw();
        surfaces.endFrame();
        clock.advanceMilliseconds(20);
    }

    TestServices fakes; // all but the files and the clock, which are the canvas's
    ScreenServices services{
        files,          clock,        fakes.sound,          fakes.pointer,
        fakes.errorBox, fakes.random, fakes.lastPressTimes, fakes.unsavedSettings,
        fakes.access,   fakes.log};
};

TEST_F(OptionsDrawingTest, TenBandsShowThePaletteAndThePaintingTabHasNoSecondRow) {
    OptionsScreen screen(services);
    screen.begin(surfaces.offscreen(), surfaces.window(), surfaces.offscreenImage());
    showScreen(screen);

    // The colour box's inside runs from x 36, 210 pixels wide: band i is 21 i wide, drawn over
    // the wider ones, so entries 1 (white) to 10 of the palette show left to right.
    const std::uint32_t palette[] = {0xFFFFFF, 0x46DFF1, 0x3FCEFD, 0x0000FF, 0x2236AA,
                                     0xEDFDC1, 0xB5F58A, 0x99CF58, 0x70BA17, 0x4D763F};
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(canvas.pixel(36 + 21 * (i - 1) + 10, 300), palette[i - 1]) << "band " << i;
    }
    EXPECT_EQ(canvas.pixel(26, 300), 0x202020u); // the frame over the box
    EXPECT_EQ(canvas.pixel(300, 330), kPale);    // the sound box
    // The second row is pale where its boxes are, and the painting tab has none (which tab
    // shows which boxes is followed call by call in OptionsScreenTest).
    EXPECT_EQ(canvas.pixel(45, 490), kPale);
    const Picture& paintingTab = screen.layout().tabs.at(4);
    screen.mouseDown(static_cast<int>(paintingTab.centreX()),
                     static_cast<int>(paintingTab.centreY()));
    showScreen(screen);
    EXPECT_EQ(canvas.pixel(45, 490), kScreenBlue);
    EXPECT_EQ(canvas.pixel(560, 330), kPale); // the order box, which every tab has
}

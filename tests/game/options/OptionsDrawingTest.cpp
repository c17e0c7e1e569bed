#include "SoftwareCanvas.h"
#include "FakePointer.h"
#include "RecordingErrorBox.h"
#include "RecordingSound.h"
#include "game/options/OptionsScreen.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kScreenBlue = 0x3FCEFD;
constexpr std::uint32_t kPale = 0xF0F8FF;

} // namespace

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

    RecordingSound sound;
    FakePointer pointer;
    RecordingErrorBox errorBox;
    RandomGenerator random;
    LastPressTimes lastPressTimes{};
    ScreenServices services{files, clock, sound, pointer, errorBox, random, lastPressTimes};
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

    struct Case {
        int tab;
        std::uint32_t left, middle, right; // inside the three places of the second row
    };
    const Case cases[] = {
        {4, kScreenBlue, kScreenBlue, kScreenBlue},
        {2, kPale, kPale, kScreenBlue},
        {1, kPale, kPale, kPale},
    };
    for (const Case& c : cases) {
        const Picture& tab = screen.layout().tabs.at(static_cast<std::size_t>(c.tab));
        screen.mouseDown(static_cast<int>(tab.centreX()), static_cast<int>(tab.centreY()));
        showScreen(screen);
        EXPECT_EQ(canvas.pixel(45, 490), c.left) << "tab " << c.tab;
        EXPECT_EQ(canvas.pixel(300, 490), c.middle) << "tab " << c.tab;
        EXPECT_EQ(canvas.pixel(560, 490), c.right) << "tab " << c.tab;
        EXPECT_EQ(canvas.pixel(560, 330), kPale) << "the order box, tab " << c.tab;
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoftwareCanvas.h"
#include "game/gfx/Picture.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kBlack = 0x000000;

class SdlSurfacesTest : public testing::Test, public DrawingFixture {};

// Turn by turn: what the screen draws, whether that is presented, and what the window shows.
TEST_F(SdlSurfacesTest, PresentsOnlyWhenTheFrameChangedAndAtMostOncePerRefresh) {
    enum class Act { Draw, Nothing, DrawUnshown, ShowOnly, Expose, TargetsReset };
    struct Turn {
        const char* what;
        Act act;
        std::uint32_t square;   // drawn at (100, 100) in this colour; 0: nothing drawn
        std::uint32_t ms;       // the clock goes on this much after the turn
        std::uint64_t presents; // after the turn
        std::uint32_t shown;    // at (120, 120)
    };
    const Turn turns[] = {
        {"first frame", Act::Draw, kRed, 20, 1, kRed},
        {"same again", Act::Draw, kRed, 20, 1, kRed},
        {"other colour", Act::Draw, kBlue, 20, 2, kBlue},
        {"nothing drawn", Act::Nothing, 0, 20, 2, kBlue},
        {"drawn, not shown", Act::DrawUnshown, kRed, 20, 2, kBlue},
        {"shown", Act::ShowOnly, 0, 20, 3, kRed},
        {"exposed", Act::Expose, kRed, 20, 4, kRed},
        // The image was lost and cleared: the same frame is drawn again, not just shown.
        {"targets reset", Act::TargetsReset, kRed, 20, 5, kRed},
        {"changed", Act::Draw, kBlue, 5, 6, kBlue},
        {"changed within the refresh", Act::Draw, kRed, 15, 6, kBlue},
        // Nothing drawn this turn, but the last change is still to be shown.
        {"a refresh later", Act::Nothing, 0, 20, 7, kRed},
    };
    for (const Turn& turn : turns) {
        if (turn.act == Act::Expose) {
            surfaces.invalidate();
        } else if (turn.act == Act::TargetsReset) {
            surfaces.targetsReset();
        }
        if (turn.square != 0) {
            offscreen().clear(0xFF000000);
            offscreen().fillRectangle(RectF{100, 100, 50, 50}, 0xFF000000 | turn.square);
        }
        if (turn.act != Act::Nothing && turn.act != Act::DrawUnshown) {
            show();
        }
        surfaces.endFrame();
        clock.advanceMilliseconds(turn.ms);
        EXPECT_EQ(surfaces.presentCount(), turn.presents) << turn.what;
        EXPECT_EQ(canvas.pixel(120, 120), turn.shown) << turn.what;
    }
}

// As the colour rings draw: the background once, then each frame adds a ring. Frames within one
// refresh are carried out later, all of them.
TEST_F(SdlSurfacesTest, DrawingWithoutClearingAddsToTheOldPicture) {
    offscreen().clear(0xFF000000);
    for (const float x : {100.0f, 400.0f, 600.0f}) {
        offscreen().drawEllipse(RectF{x, 100, 50, 50}, 0xFFFF0000, 10);
        show();
        surfaces.endFrame();
        clock.advanceMilliseconds(2);
    }
    clock.advanceMilliseconds(20);
    surfaces.endFrame();
    EXPECT_EQ(surfaces.presentCount(), 2u);
    EXPECT_EQ(canvas.pixel(125, 100), kRed);
    EXPECT_EQ(canvas.pixel(425, 100), kRed);
    EXPECT_EQ(canvas.pixel(625, 100), kRed);
}

// 1000 x 600 with a logical 800 x 600: the picture in the middle, bars on either side. The
// background is half transparent, yet the window shows it as it is, not blended. Drawing
// straight on the window, as the splash does, uses the same 800 x 600.
TEST(SdlSurfacesScaled, TheWindowShowsTheOffscreenPixelsUnblendedOnALogicalSize) {
    DrawingFixture screen(1000, 600, true);
    screen.offscreen().clear(0x800000FF);
    screen.offscreen().fillRectangle(RectF{0, 0, 20, 20}, 0xFFFF0000);
    screen.showFrame();
    EXPECT_EQ(screen.canvas.pixel(110, 10), kRed);
    EXPECT_EQ(screen.canvas.pixel(130, 10), kBlue);
    EXPECT_EQ(screen.canvas.pixel(895, 595), kBlue);
    EXPECT_EQ(screen.canvas.pixel(50, 300), kBlack);
    screen.surfaces.window().fillRectangle(RectF{780, 580, 20, 20}, 0xFF00FF00);
    screen.surfaces.presentWindow();
    EXPECT_EQ(screen.canvas.pixel(890, 590), 0x00FF00u);
}

} // namespace

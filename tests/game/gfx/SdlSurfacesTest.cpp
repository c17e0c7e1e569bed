// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoftwareCanvas.h"
#include "game/gfx/Picture.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kBlack = 0x000000;

class SdlSurfacesTest : public testing::Test, public DrawingFixture {
public:
    Graphics& offscreen() { return surfaces.offscreen(); }
    // Asks for the offscreen image to be shown, as a screen's draw ends.
    void show() { surfaces.window().drawImage(surfaces.offscreenImage(), RectF{0, 0, 800, 600}); }
};

// Turn by turn: what the screen draws, whether that is presented, and what the window shows.
TEST_F(SdlSurfacesTest, PresentsOnlyWhenTheFrameChangedAndAtMostOncePerRefresh) {
    enum class Act { Draw, Nothing, DrawUnshown, ShowOnly, Expose, TargetsReset };
    struct Turn {
        const char* what;
        Act act;
        std::uint32_t square;
        float x;
        std::uint32_t ms;       // the clock goes on this much after the turn
        std::uint64_t presents; // after the turn
        std::uint32_t shown;    // at (120, 120)
    };
    const Turn turns[] = {
        {"first frame", Act::Draw, kRed, 100, 20, 1, kRed},
        {"same again", Act::Draw, kRed, 100, 20, 1, kRed},
        {"other colour", Act::Draw, kBlue, 100, 20, 2, kBlue},
        {"moved", Act::Draw, kBlue, 101, 20, 3, kBlue},
        {"nothing drawn", Act::Nothing, 0, 0, 20, 3, kBlue},
        {"same as before", Act::Draw, kBlue, 101, 20, 3, kBlue},
        {"drawn, not shown", Act::DrawUnshown, kRed, 100, 20, 3, kBlue},
        {"shown", Act::ShowOnly, 0, 0, 20, 4, kRed},
        {"exposed", Act::Expose, kRed, 100, 20, 5, kRed},
        // The image was lost and cleared: the same frame is drawn again, not just shown.
        {"targets reset", Act::TargetsReset, kRed, 100, 20, 6, kRed},
        {"changed", Act::Draw, kBlue, 100, 5, 7, kBlue},
        {"changed within the refresh", Act::Draw, kRed, 100, 5, 7, kBlue},
        {"moved within the refresh", Act::Draw, kBlue, 300, 10, 7, kBlue},
        // Nothing drawn this turn, but the last change is still to be shown.
        {"a refresh later", Act::Nothing, 0, 0, 20, 8, kBlack},
        {"nothing new", Act::Nothing, 0, 0, 20, 8, kBlack},
    };
    for (const Turn& turn : turns) {
        if (turn.act == Act::Expose) {
            surfaces.invalidate();
        } else if (turn.act == Act::TargetsReset) {
            surfaces.targetsReset();
        }
        if (turn.act == Act::Draw || turn.act == Act::DrawUnshown || turn.act == Act::Expose ||
            turn.act == Act::TargetsReset) {
            offscreen().clear(0xFF000000);
            offscreen().fillRectangle(RectF{turn.x, 100, 50, 50}, 0xFF000000 | turn.square);
        }
        if (turn.act != Act::Nothing && turn.act != Act::DrawUnshown) {
            show();
        }
        surfaces.endFrame();
        clock.advanceMilliseconds(turn.ms);
        EXPECT_EQ(surfaces.presentCount(), turn.presents) << turn.what;
        EXPECT_EQ(canvas.pixel(120, 120), turn.shown) << turn.what;
    }
    EXPECT_EQ(canvas.pixel(320, 120), kBlue);
}

TEST_F(SdlSurfacesTest, DrawingWithoutClearingAddsToTheOldPicture) {
    // As the colour rings do: the background is filled once, then each frame adds a ring.
    offscreen().fillRectangle(RectF{0, 0, 800, 600}, 0xFF000000);
    offscreen().drawEllipse(RectF{100, 100, 100, 100}, 0xFFFF0000, 10);
    show();
    surfaces.endFrame();
    for (const float x : {400.0f, 500.0f, 600.0f}) { // within one refresh: carried out later
        offscreen().drawEllipse(RectF{x, 100, 50, 50}, 0xFF0000FF, 10);
        show();
        surfaces.endFrame();
        clock.advanceMilliseconds(2);
    }
    clock.advanceMilliseconds(20);
    surfaces.endFrame();
    EXPECT_EQ(surfaces.presentCount(), 2u);
    EXPECT_EQ(canvas.pixel(150, 100), kRed);
    EXPECT_EQ(canvas.pixel(425, 100), kBlue);
    EXPECT_EQ(canvas.pixel(625, 100), kBlue);
    // The same drawing again is still a change, since it lands on what is there.
    clock.advanceMilliseconds(20);
    offscreen().drawEllipse(RectF{600, 100, 50, 50}, 0xFF0000FF, 10);
    showFrame();
    EXPECT_EQ(surfaces.presentCount(), 3u);
}

TEST_F(SdlSurfacesTest, AFrameBlendedOverItselfSettlesThenIsNoLongerDrawnOrShown) {
    // Every alpha over many colours, blended again and again over what is there, as the colour
    // rings draw their stop button every turn without clearing.
    writePng("gfx/glass.png", 256, 40, [](int x, int y) {
        return static_cast<std::uint32_t>(x) << 24 | static_cast<std::uint32_t>(y * 6) << 16 |
               static_cast<std::uint32_t>(255 - x) << 8 | 0x5Au;
    });
    Picture glass(clock);
    glass.load(u"gfx\\glass.png", &offscreen(), true);
    glass.setPosition(100, 100);
    constexpr int kPasses = 3000;
    offscreen().clear(0xFF204060);
    for (int pass = 0; pass < kPasses; ++pass) {
        glass.draw();
        showFrame();
    }

    // The same blending carried out as often, straight on a canvas.
    SoftwareCanvas reference;
    {
        const SurfacePtr loaded(IMG_Load((folder.path() / "gfx/glass.png").c_str()));
        ASSERT_TRUE(loaded);
        const SurfacePtr pixels(
            SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
        const TexturePtr texture(SDL_CreateTextureFromSurface(reference.renderer(), pixels.get()));
        ASSERT_TRUE(texture);
        SDL_SetTextureBlendMode(texture.get(), SDL_BLENDMODE_BLEND);
        SDL_SetRenderDrawColor(reference.renderer(), 0x20, 0x40, 0x60, 0xFF);
        SDL_RenderClear(reference.renderer());
        const SDL_Rect place{100, 100, 256, 40};
        for (int pass = 0; pass < kPasses; ++pass) {
            SDL_RenderCopy(reference.renderer(), texture.get(), nullptr, &place);
        }
        reference.pixel(0, 0); // carries the drawing out
    }
    int differing = 0;
    for (int y = 100; y < 140; ++y) {
        for (int x = 100; x < 356; ++x) {
            differing += canvas.pixel(x, y) != reference.pixel(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0);

    // Settled: the same frame again is neither drawn nor shown.
    const std::uint64_t presents = surfaces.presentCount();
    EXPECT_LT(presents, static_cast<std::uint64_t>(kPasses));
    glass.draw();
    showFrame();
    EXPECT_EQ(surfaces.presentCount(), presents);
}

TEST(SdlSurfacesScaled, TheWindowShowsTheOffscreenPixelsUnblendedOnALogicalSize) {
    // 1000 x 600 with a logical 800 x 600: the picture in the middle, bars on either side. The
    // background is half transparent, yet the window shows it as it is, not blended.
    DrawingFixture screen(1000, 600, true);
    screen.surfaces.offscreen().clear(0x800000FF);
    screen.surfaces.offscreen().fillRectangle(RectF{0, 0, 20, 20}, 0xFFFF0000);
    screen.showFrame();
    EXPECT_EQ(screen.canvas.pixel(110, 10), kRed);
    EXPECT_EQ(screen.canvas.pixel(130, 10), kBlue);
    EXPECT_EQ(screen.canvas.pixel(895, 595), kBlue);
    EXPECT_EQ(screen.canvas.pixel(50, 300), kBlack);
    EXPECT_EQ(screen.canvas.pixel(950, 300), kBlack);

    // Straight on the window, as the splash draws, in the same 800 x 600 space.
    screen.surfaces.window().clear(0xFF000000);
    screen.surfaces.window().fillRectangle(RectF{780, 580, 20, 20}, 0xFF00FF00);
    screen.surfaces.presentWindow();
    EXPECT_EQ(screen.canvas.pixel(890, 590), 0x00FF00u);
    EXPECT_EQ(screen.canvas.pixel(870, 570), kBlack);
}

} // namespace

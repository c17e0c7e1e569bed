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

    // A screen's draw: background, a square, the copy to the window.
    void drawScreen(std::uint32_t square, float x = 100) {
        offscreen().clear(0xFF000000);
        offscreen().fillRectangle(RectF{x, 100, 50, 50}, 0xFF000000 | square);
        surfaces.window().drawImage(surfaces.offscreenImage(), RectF{0, 0, 800, 600});
    }
};

TEST_F(SdlSurfacesTest, PresentsOnlyWhenTheFrameChanged) {
    enum class Act { Draw, Nothing, DrawUnshown, ShowOnly, Expose, TargetsReset };
    struct Turn {
        const char* what;
        Act act;
        std::uint32_t square;
        float x;
        std::uint64_t presents; // after the turn
        std::uint32_t shown;    // at (120, 120)
    };
    const Turn turns[] = {
        {"first frame", Act::Draw, kRed, 100, 1, kRed},
        {"same again", Act::Draw, kRed, 100, 1, kRed},
        {"other colour", Act::Draw, kBlue, 100, 2, kBlue},
        {"moved", Act::Draw, kBlue, 101, 3, kBlue},
        {"nothing drawn", Act::Nothing, 0, 0, 3, kBlue},
        {"same as before", Act::Draw, kBlue, 101, 3, kBlue},
        {"drawn, not shown", Act::DrawUnshown, kRed, 100, 3, kBlue},
        {"shown", Act::ShowOnly, 0, 0, 4, kRed},
        {"exposed", Act::Expose, kRed, 100, 5, kRed},
        // The image was lost and cleared: the same frame is drawn again, not just shown.
        {"targets reset", Act::TargetsReset, kRed, 100, 6, kRed},
    };
    for (const Turn& turn : turns) {
        if (turn.act == Act::Expose) {
            surfaces.invalidate();
        } else if (turn.act == Act::TargetsReset) {
            surfaces.targetsReset();
        }
        if (turn.act == Act::DrawUnshown) {
            offscreen().clear(0xFF000000);
            offscreen().fillRectangle(RectF{turn.x, 100, 50, 50}, 0xFF000000 | turn.square);
        } else if (turn.act == Act::ShowOnly) {
            surfaces.window().drawImage(surfaces.offscreenImage(), RectF{0, 0, 800, 600});
        } else if (turn.act != Act::Nothing) {
            drawScreen(turn.square, turn.x);
        }
        surfaces.endFrame();
        clock.advanceMilliseconds(20);
        EXPECT_EQ(surfaces.presentCount(), turn.presents) << turn.what;
        EXPECT_EQ(canvas.pixel(120, 120), turn.shown) << turn.what;
    }
}

TEST_F(SdlSurfacesTest, PresentsAtMostOncePerRefresh) {
    drawScreen(kRed);
    surfaces.endFrame();
    EXPECT_EQ(surfaces.presentCount(), 1u);
    EXPECT_EQ(canvas.pixel(120, 120), kRed);
    clock.advanceMilliseconds(5);
    drawScreen(kBlue);
    surfaces.endFrame();
    EXPECT_EQ(surfaces.presentCount(), 1u); // too soon
    clock.advanceMilliseconds(5);
    drawScreen(kBlue, 300);
    surfaces.endFrame();
    EXPECT_EQ(surfaces.presentCount(), 1u);
    EXPECT_EQ(canvas.pixel(120, 120), kRed);
    clock.advanceMilliseconds(10);
    surfaces.endFrame(); // no drawing this turn, but the last change is still to be shown
    EXPECT_EQ(surfaces.presentCount(), 2u);
    EXPECT_EQ(canvas.pixel(120, 120), kBlack);
    EXPECT_EQ(canvas.pixel(320, 120), kBlue);
    clock.advanceMilliseconds(20);
    surfaces.endFrame();
    EXPECT_EQ(surfaces.presentCount(), 2u);
}

TEST_F(SdlSurfacesTest, DrawingWithoutClearingAddsToTheOldPicture) {
    // As the colour rings do: the background is filled once, then each frame adds a ring.
    offscreen().fillRectangle(RectF{0, 0, 800, 600}, 0xFF000000);
    offscreen().drawEllipse(RectF{100, 100, 100, 100}, 0xFFFF0000, 10);
    surfaces.window().drawImage(surfaces.offscreenImage(), RectF{0, 0, 800, 600});
    surfaces.endFrame();
    for (int turn = 0; turn < 3; ++turn) { // within one refresh: carried out together later
        offscreen().drawEllipse(RectF{400 + static_cast<float>(turn) * 100, 100, 50, 50},
                                0xFF0000FF, 10);
        surfaces.window().drawImage(surfaces.offscreenImage(), RectF{0, 0, 800, 600});
        surfaces.endFrame();
        clock.advanceMilliseconds(2);
    }
    clock.advanceMilliseconds(20);
    surfaces.endFrame();
    EXPECT_EQ(canvas.pixel(150, 100), kRed);
    EXPECT_EQ(canvas.pixel(425, 100), kBlue);
    EXPECT_EQ(canvas.pixel(625, 100), kBlue);
    EXPECT_EQ(surfaces.presentCount(), 2u);
    const std::uint64_t presents = surfaces.presentCount();
    clock.advanceMilliseconds(20);
    // The same drawing again is still a change, since it lands on what is there.
    offscreen().drawEllipse(RectF{600, 100, 50, 50}, 0xFF0000FF, 10);
    showFrame();
    EXPECT_EQ(surfaces.presentCount(), presents + 1);
}

TEST_F(SdlSurfacesTest, AFrameBlendedOverItselfSettlesThenIsNoLongerDrawnOrShown) {
    // Every alpha over many colours, blended again and again over what is there, as the colour
    // rings draw their stop button every turn without clearing.
    auto glassColour = [](int x, int y) {
        return static_cast<std::uint32_t>(x) << 24 | static_cast<std::uint32_t>(y * 6) << 16 |
               static_cast<std::uint32_t>(255 - x) << 8 | 0x5Au;
    };
    writePng("gfx/glass.png", 256, 40, glassColour);
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

TEST_F(SdlSurfacesTest, TheWindowGetsTheOffscreenPixelsUnblended) {
    offscreen().clear(0x80FF0000);
    showFrame();
    EXPECT_EQ(canvas.pixel(400, 300), kRed);
}

TEST_F(SdlSurfacesTest, PictureDestroyedBeforeItsFrameEndsStillShows) {
    writePng("gfx/red.png", 30, 30, [](int, int) { return 0xFFFF0000u; });
    offscreen().clear(0xFF000000);
    {
        Picture picture(clock);
        picture.load(u"gfx\\red.png", &offscreen(), true);
        picture.setPosition(200, 200);
        picture.draw();
        // A screen may release or replace a picture in the same turn it drew it.
        picture.load(u"gfx\\missing.png", &offscreen(), true);
    }
    showFrame();
    EXPECT_EQ(canvas.pixel(215, 215), kRed);
    EXPECT_EQ(canvas.pixel(235, 215), kBlack);
}

TEST(SdlSurfacesScaled, WorksOnARendererWithALogicalSize) {
    // 1000 x 600 with a logical 800 x 600: the picture in the middle, bars on either side.
    DrawingFixture screen(1000, 600, true);
    screen.surfaces.offscreen().clear(0xFF0000FF);
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

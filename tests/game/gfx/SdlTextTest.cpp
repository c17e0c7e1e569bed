// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoftwareCanvas.h"
#include "common/text/Utf8.h"
#include "game/gfx/Picture.h"
#include "game/gfx/sdl/SdlFont.h"
#include "game/gfx/sdl/SdlResources.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kBack = 0x102030; // the background

struct Box {
    int left = 100000, top = 100000, right = -1, bottom = -1; // inclusive
    int count = 0;
};

class SdlTextTest : public testing::Test, public DrawingFixture {
protected:
    // Where the pixels of the rows [top, bottom) differ from the background.
    Box drawnPixels(int top = 0, int bottom = 600) const {
        Box box;
        for (int y = top; y < bottom; ++y) {
            for (int x = 0; x < 800; ++x) {
                if (canvas.pixel(x, y) != kBack) {
                    box = Box{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                              std::max(box.bottom, y), box.count + 1};
                }
            }
        }
        return box;
    }

    std::unique_ptr<Font> font(std::u16string_view family, float size, FontUnit unit) {
        return surfaces.offscreen().createFont(family, size, unit);
    }

    RectF measure(std::u16string_view text, float size, FontUnit unit = FontUnit::Pixel,
                  std::u16string_view family = u"Comic Sans MS") {
        return surfaces.offscreen().measureString(text, *font(family, size, unit));
    }
};

TEST_F(SdlTextTest, TextIsDrawnInsideItsMeasuredRectangle) {
    Picture label(clock);
    label.setTarget(&surfaces.offscreen());
    label.setText(u"Hello, Vimo! gjpqy"); // descenders reach the bottom of the box
    label.setTextColour(0xFFFFFF00);
    label.setTextPosition(100.4f, 200);
    surfaces.offscreen().clear(0xFF000000 | kBack);
    label.drawText();
    showFrame();
    const int right = 100 + static_cast<int>(label.textRect.width);
    const int bottom = 200 + static_cast<int>(label.textRect.height);
    const Box drawn = drawnPixels();
    EXPECT_GT(drawn.count, 200);
    EXPECT_GE(drawn.left, 100);
    EXPECT_GE(drawn.top, 200);
    EXPECT_LT(drawn.right, right);
    EXPECT_LT(drawn.bottom, bottom);
    EXPECT_LE(drawn.left, 104); // the text fills its box, but for the glyphs' side bearings
    EXPECT_GE(drawn.right, right - 5);
    int solid = 0; // where the glyphs are whole, the text's own colour
    for (int y = drawn.top; y <= drawn.bottom; ++y) {
        for (int x = drawn.left; x <= drawn.right; ++x) {
            solid += canvas.pixel(x, y) == 0xFFFF00 ? 1 : 0;
        }
    }
    EXPECT_GT(solid, 50);
}

TEST_F(SdlTextTest, LineBreaksGiveSeveralLines) {
    const RectF one = measure(u"Hello", 24);
    for (const char16_t* text : {u"Hello\nHello", u"Hello\r\nHello", u"Hello\rHi"}) {
        const RectF two = measure(text, 24);
        EXPECT_EQ(two.width, one.width) << toUtf8(text);
        EXPECT_GT(two.height, one.height * 1.7f);
        EXPECT_LT(two.height, one.height * 2.3f);
    }
    EXPECT_GT(measure(u"Hello Hello", 24).width, one.width * 1.8f); // never wrapped
    EXPECT_EQ(measure(u"", 24).width, 0);
}

TEST_F(SdlTextTest, FamiliesFallBackToSansSerif) {
    const auto familyOf = [&](std::u16string_view asked) {
        return dynamic_cast<const SdlFont&>(*font(asked, 24, FontUnit::Pixel)).family();
    };
    const std::u16string sansSerif = familyOf(u"sans-serif");
    ASSERT_FALSE(sansSerif.empty());
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"Comic Sans MS", u"Comic Neue"}, // free stand-ins with the same metrics
        {u"Arial", u"Liberation Sans"},
        {u"comic neue", u"Comic Neue"}, // letter case does not matter
        {u"Liberation Mono", u"Liberation Mono"},
        {u"No Such Family", sansSerif},
        {u"Helvetica", sansSerif}, // fontconfig's look-alike is not the family asked for
        {u"", sansSerif},
    };
    for (const auto& [asked, found] : cases) {
        EXPECT_EQ(familyOf(asked), found) << toUtf8(asked);
    }
    EXPECT_GT(measure(u"Hello", 24, FontUnit::Pixel, u"No Such Family").width, 20);
}

// 16 points are 21.33 pixels: SDL_ttf gets whole points at 96 dots per inch, not rounded pixels.
TEST_F(SdlTextTest, PointsAreConvertedAtNinetySixPixelsPerInch) {
    EXPECT_NEAR(dynamic_cast<const SdlFont&>(*font(u"Arial", 16, FontUnit::Point)).pixels(),
                21.333f, 0.001f);
    const RectF points = measure(u"Copyright", 12, FontUnit::Point, u"Arial");
    const RectF pixels = measure(u"Copyright", 16, FontUnit::Pixel, u"Arial");
    EXPECT_EQ(points.width, pixels.width);
    EXPECT_EQ(points.height, pixels.height);
}

TEST_F(SdlTextTest, CentredLinesStraightOnTheWindow) {
    // As the splash writes its notice, and a second text of two lines of unequal length.
    Graphics& window = surfaces.window();
    const auto arial = window.createFont(u"Arial", 16, FontUnit::Point);
    const float lineHeight = window.measureString(u"W", *arial).height;
    window.clear(0xFF000000 | kBack);
    window.drawString(u"(c) Vimo", *arial, RectF{0, 530, 800, 50}, 0xFFFFFFFF,
                      TextAlignment::Centre);
    window.drawString(u"WWWWWWWWWW\nii", *arial, RectF{100, 100, 600, 200}, 0xFFFFFFFF,
                      TextAlignment::Centre);
    surfaces.presentWindow();
    EXPECT_EQ(surfaces.presentCount(), 1u);
    const Box notice = drawnPixels(500, 600);
    EXPECT_GE(notice.top, 530);
    EXPECT_LT(notice.bottom, 580);
    EXPECT_NEAR(notice.left, 799 - notice.right, 3);
    const Box first = drawnPixels(100, 100 + static_cast<int>(lineHeight));
    const Box second = drawnPixels(100 + static_cast<int>(lineHeight), 300);
    EXPECT_GT(first.right - first.left, 100);
    ASSERT_GT(second.count, 0);
    EXPECT_LT(second.right - second.left, 20);
    EXPECT_NEAR(second.left - 100, 699 - second.right, 3); // centred, not under the first's start
}

TEST_F(SdlTextTest, RenderedTextsAreKeptWhileDrawn) {
    SdlResources resources(canvas.renderer(), files);
    const auto comic = resources.createFont(u"Comic Sans MS", 24, FontUnit::Pixel);
    TextCache& texts = resources.texts();
    const auto serialOf = [&](std::uint32_t argb) {
        return texts.get(u"Play", *comic, argb, TextAlignment::Near)->serial;
    };
    const std::uint64_t serial = serialOf(0xFFFFFFFF);
    for (int frame = 0; frame < 300; ++frame) {
        EXPECT_EQ(serialOf(0xFFFFFFFF), serial);
        texts.endFrame(true);
    }
    EXPECT_NE(serialOf(0xFFFF0000), serial);
    EXPECT_EQ(texts.size(), 2u);
    // Not drawn for a while, texts are let go; never while recorded drawing may still use them.
    for (int frame = 0; frame < 200; ++frame) {
        texts.endFrame(false);
    }
    EXPECT_EQ(texts.size(), 2u);
    texts.endFrame(true);
    EXPECT_EQ(texts.size(), 0u);
}

} // namespace

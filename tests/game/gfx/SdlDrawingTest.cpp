// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoftwareCanvas.h"
#include "game/gfx/Picture.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBack = 0x102030; // the background

class SdlDrawingTest : public testing::Test, public DrawingFixture {
protected:
    SdlDrawingTest() { offscreen().clear(0xFF000000 | kBack); }
};

// Each picture is gone before its frame is shown, as when a screen releases or replaces a
// picture in the turn it drew it: what it drew shows all the same. A cached picture is drawn at
// its truncated corner; a negative width mirrors a plain one; one reaching past the edges is
// scaled only where it is on the surface, its pixels landing where the whole picture's would.
TEST_F(SdlDrawingTest, CachedPicturesKeepTheirSizePlainOnesScaleAndShowWhenAlreadyGone) {
    writePng("gfx/halves.png", 40, 30,
             [](int x, int) { return x < 20 ? 0xFFFF0000u : 0xFF00FF00u; });
    const auto draw = [&](bool cached, float x, float y, float width, float height) {
        Picture picture(clock);
        picture.load(u"gfx\\halves.png", &offscreen(), cached);
        picture.setPosition(x, y);
        picture.setSize(width, height);
        picture.draw();
    };
    draw(true, 100.9f, 200.9f, 200, 150);
    draw(false, 500, 400, -100, 50);
    draw(false, -30, 500, 120, 90);
    draw(false, 830, 10, -120, 90);
    showFrame();
    const struct {
        int x, y;
        std::uint32_t rgb;
    } samples[] = {
        {100, 200, kRed},   {139, 229, kGreen}, {140, 215, kBack}, {110, 230, kBack},
        {405, 420, kGreen}, {495, 420, kRed},   {505, 420, kBack}, {0, 500, kRed},
        {89, 589, kGreen},  {95, 550, kBack},   {710, 10, kGreen}, {799, 99, kRed},
    };
    for (const auto& s : samples) {
        EXPECT_EQ(canvas.pixel(s.x, s.y), s.rgb) << "at " << s.x << "," << s.y;
    }
}

// Every pixel of a ring is scanned: more than a pixel inside its band it is the ring's colour,
// more than a pixel outside it the background, so no seam or hole can hide between samples.
TEST_F(SdlDrawingTest, RingsHaveNoGapsAnywhereAround) {
    // The first colour ring, which leaves no hole inside, and a ring well on its way.
    for (const RectF ring : {RectF{10, 10, 10, 10}, RectF{229, 126, 337, 337}}) {
        offscreen().clear(0xFF000000 | kBack);
        offscreen().drawEllipse(ring, 0xFFFF0000, 20);
        showFrame();
        const float cx = ring.x + ring.width / 2;
        const float cy = ring.y + ring.height / 2;
        // Whether a pixel's centre lies inside the ellipse of half-axes grown by `by`.
        const auto inside = [&](int x, int y, float by) {
            const float ax = ring.width / 2 + by;
            const float ay = ring.height / 2 + by;
            const float dx = (static_cast<float>(x) + 0.5f - cx) / ax;
            const float dy = (static_cast<float>(y) + 0.5f - cy) / ay;
            return ax > 0 && ay > 0 && dx * dx + dy * dy < 1.0f;
        };
        int wrong = 0;
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                const float half = 10;
                const bool onBand = inside(x, y, half - 1) && !inside(x, y, -half + 1);
                const bool offBand = !inside(x, y, half + 1) || inside(x, y, -half - 1);
                wrong += (onBand || offBand) && canvas.pixel(x, y) != (onBand ? kRed : kBack);
            }
        }
        EXPECT_EQ(wrong, 0) << "ring at " << ring.x << "," << ring.y;
    }
}

} // namespace

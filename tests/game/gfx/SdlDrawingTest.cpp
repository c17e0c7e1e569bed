// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoftwareCanvas.h"
#include "game/gfx/Picture.h"

#include <gtest/gtest.h>
#include <span>

namespace {

constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBack = 0x102030; // the background

struct Sample {
    int x, y;
    std::uint32_t rgb;
};

class SdlDrawingTest : public testing::Test, public DrawingFixture {
protected:
    SdlDrawingTest() { offscreen().clear(0xFF000000 | kBack); }

    Graphics& offscreen() { return surfaces.offscreen(); }

    void expectPixels(std::span<const Sample> samples, const std::string& what) {
        for (const Sample& s : samples) {
            EXPECT_EQ(canvas.pixel(s.x, s.y), s.rgb) << what << " at " << s.x << "," << s.y;
        }
    }
};

// Each picture is gone before its frame is shown, as when a screen releases or replaces a
// picture in the turn it drew it: what it drew shows all the same.
TEST_F(SdlDrawingTest, CachedPicturesKeepTheirSizePlainOnesScaleAndShowWhenAlreadyGone) {
    // 40 x 30: left half red, right half green.
    writePng("gfx/halves.png", 40, 30,
             [](int x, int) { return x < 20 ? 0xFFFF0000u : 0xFF00FF00u; });
    const auto draw = [&](bool cached, float x, float y, float width, float height) {
        Picture picture(clock);
        EXPECT_EQ(picture.load(u"gfx\\halves.png", &offscreen(), cached), 1);
        EXPECT_EQ(picture.width, 40);
        EXPECT_EQ(picture.height, 30);
        picture.setPosition(x, y);
        picture.setSize(width, height);
        picture.draw();
    };
    draw(true, 100.9f, 200.9f, 200, 150); // drawn at (100, 200), only its natural size
    draw(false, 400, 100, 200, 100);
    draw(false, 500, 400, -100, 50); // a negative width mirrors the picture
    // Three times as large and reaching past the edges: only the part on the surface is scaled,
    // and its pixels land where the whole picture's would.
    draw(false, -30, 500, 120, 90);
    draw(false, 830, 10, -120, 90);
    showFrame();
    const Sample cached[] = {
        {103, 203, kRed},  {117, 226, kRed},  {123, 203, kGreen}, {137, 226, kGreen},
        {143, 215, kBack}, {110, 233, kBack}, {97, 215, kBack},
    };
    const Sample plain[] = {
        {404, 104, kRed},   {490, 195, kRed},  {510, 104, kGreen},
        {595, 195, kGreen}, {605, 150, kBack}, {450, 205, kBack},
    };
    const Sample mirrored[] = {
        {405, 420, kGreen}, {495, 420, kRed}, {395, 420, kBack}, {505, 420, kBack}};
    expectPixels(cached, "cached");
    expectPixels(plain, "plain");
    expectPixels(mirrored, "mirrored");
    const Sample pastTheEdges[] = {
        {0, 500, kRed},    {25, 589, kRed},  {35, 500, kGreen}, {89, 589, kGreen},
        {95, 550, kBack},  {10, 595, kBack}, {705, 50, kBack},  {710, 10, kGreen},
        {765, 99, kGreen}, {775, 10, kRed},  {799, 99, kRed},   {799, 105, kBack},
    };
    expectPixels(pastTheEdges, "past the edges");
}

// Cut-short and empty files are loaded at every length by the robustness tests.
TEST_F(SdlDrawingTest, UnreadableImagesLoadAsNothing) {
    folder.write("gfx/text.png", "this is not a picture at all\n");
    folder.makeFolder("gfx/folder.png");
    for (const char16_t* path : {u"gfx\\text.png", u"gfx\\folder.png", u"gfx\\missing.png"}) {
        for (const bool cached : {true, false}) {
            Picture picture(clock);
            EXPECT_EQ(picture.load(path, &offscreen(), cached), 1);
            EXPECT_EQ(picture.width, 0);
            EXPECT_EQ(picture.height, 0);
            picture.setSize(100, 100);
            picture.draw();
        }
    }
    showFrame();
    EXPECT_EQ(canvas.pixel(50, 50), kBack);
}

TEST_F(SdlDrawingTest, FilledRectangles) {
    offscreen().fillRectangle(RectF{50.4f, 60.6f, 100, 50}, 0xFFFF0000); // pixels 50..149, 61..110
    offscreen().fillRectangle(RectF{300, 100, 100, 100}, 0xFF0000FF);
    offscreen().fillRectangle(RectF{350, 100, 100, 100}, 0x80FF0000); // half over the blue
    offscreen().fillRectangle(RectF{600, 100, -50, 50}, 0xFFFFFFFF);  // nothing
    showFrame();
    const Sample samples[] = {
        {53, 64, kRed},   {146, 107, kRed},  {47, 80, kBack},   {153, 80, kBack},
        {100, 58, kBack}, {100, 113, kBack}, {320, 150, kBlue}, {580, 120, kBack},
    };
    expectPixels(samples, "fill");
    const std::uint32_t blended = canvas.pixel(370, 150);
    EXPECT_NEAR(static_cast<int>(blended >> 16), 0x80, 2);
    EXPECT_EQ((blended >> 8) & 0xFF, 0u);
    EXPECT_NEAR(static_cast<int>(blended & 0xFF), 0x7F, 2);
}

// Where the frame goes is worked out by the picture (see PictureTest); here its pen of 4 is
// centred on the frame rectangle's edges: two pixels either side.
TEST_F(SdlDrawingTest, HoverFrameOutlinesTheMarginRectangle) {
    Picture picture(clock);
    picture.setTarget(&offscreen());
    picture.setPosition(100, 100);
    picture.setSize(200, 100);
    picture.setFrameMargin(10); // the rectangle 95..305 x 95..205
    picture.hover = 1;
    picture.drawFrame();
    showFrame();
    const Sample samples[] = {
        {95, 150, kWhite},  {94, 150, kWhite}, {91, 150, kBack},   {98, 150, kBack},
        {305, 150, kWhite}, {308, 150, kBack}, {301, 150, kBack},  {200, 95, kWhite},
        {200, 91, kBack},   {200, 98, kBack},  {200, 205, kWhite}, {200, 201, kBack},
    };
    expectPixels(samples, "frame");
}

TEST_F(SdlDrawingTest, ThickEllipsesAndRoundCappedLines) {
    offscreen().drawEllipse(RectF{200, 150, 400, 300}, 0xFFFF0000, 20);
    offscreen().drawLine(100, 500, 300, 500, 0xFF0000FF, 20);
    offscreen().drawLine(650, 100, 750, 200, 0xFF00FF00, 20);
    showFrame();
    // Across the ring at its top and, at (541, 406), at 45 degrees; its extremes; its middle.
    const Sample ellipse[] = {
        {400, 150, kRed},  {400, 143, kRed},  {400, 157, kRed},  {400, 136, kBack},
        {400, 164, kBack}, {200, 300, kRed},  {600, 300, kRed},  {400, 450, kRed},
        {541, 406, kRed},  {527, 395, kBack}, {555, 417, kBack}, {400, 300, kBack},
    };
    // The caps reach half the pen beyond the ends, round: a square cap would cover the corners.
    const Sample lines[] = {
        {200, 500, kBlue},  {200, 493, kBlue},  {200, 513, kBack},  {307, 500, kBlue},
        {314, 500, kBack},  {93, 500, kBlue},   {305, 505, kBlue},  {308, 508, kBack},
        {92, 492, kBack},   {700, 150, kGreen}, {706, 144, kGreen}, {712, 138, kBack},
        {755, 205, kGreen}, {759, 209, kBack},  {641, 91, kBack},
    };
    expectPixels(ellipse, "ellipse");
    expectPixels(lines, "line");
}

// Every pixel of a ring is scanned: more than a pixel inside its band it is the ring's colour,
// more than a pixel outside it the background, so no seam or hole can hide between samples.
TEST_F(SdlDrawingTest, RingsHaveNoGapsAnywhereAround) {
    const struct {
        RectF rect;
        float pen;
    } rings[] = {
        {{200, 150, 400, 300}, 20}, // the ellipse above
        {{229, 126, 337, 337}, 20}, // a colour ring, a circle well on its way
        {{10, 10, 10, 10}, 20},     // the first colour ring: no hole left inside
        {{300, 200, 101, 57}, 3},   // odd sizes, a thin pen
    };
    for (const auto& ring : rings) {
        offscreen().clear(0xFF000000 | kBack);
        offscreen().drawEllipse(ring.rect, 0xFFFF0000, ring.pen);
        showFrame();
        const float cx = ring.rect.x + ring.rect.width / 2;
        const float cy = ring.rect.y + ring.rect.height / 2;
        const float half = ring.pen / 2;
        // Where a pixel's centre lies against the ellipse of half-axes grown by `by`.
        const auto inside = [&](int x, int y, float by) {
            const float ax = ring.rect.width / 2 + by;
            const float ay = ring.rect.height / 2 + by;
            if (ax <= 0 || ay <= 0) {
                return false;
            }
            const float dx = (static_cast<float>(x) + 0.5f - cx) / ax;
            const float dy = (static_cast<float>(y) + 0.5f - cy) / ay;
            return dx * dx + dy * dy < 1.0f;
        };
        int wrong = 0;
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                const bool onBand = inside(x, y, half - 1) && !inside(x, y, -half + 1);
                const bool offBand = !inside(x, y, half + 1) || inside(x, y, -half - 1);
                const std::uint32_t expected = onBand ? kRed : kBack;
                if ((onBand || offBand) && canvas.pixel(x, y) != expected && ++wrong <= 5) {
                    ADD_FAILURE() << "ring at " << ring.rect.x << "," << ring.rect.y << ": pixel "
                                  << x << "," << y << " is " << canvas.pixel(x, y);
                }
            }
        }
        EXPECT_EQ(wrong, 0) << "ring at " << ring.rect.x << "," << ring.rect.y;
    }
}

} // namespace

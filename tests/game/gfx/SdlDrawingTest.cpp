#include "SoftwareCanvas.h"
#include "game/gfx/Picture.h"

#include <cmath>
#include <gtest/gtest.h>

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
    SdlDrawingTest() {
        // 40 x 30: left half red, right half green.
        writePng("gfx/halves.png", 40, 30,
                 [](int x, int) { return x < 20 ? 0xFFFF0000u : 0xFF00FF00u; });
        offscreen().clear(0xFF000000 | kBack);
    }

    Graphics& offscreen() { return surfaces.offscreen(); }

    void expectPixels(const std::vector<Sample>& samples, const std::string& what) {
        for (const Sample& s : samples) {
            EXPECT_EQ(canvas.pixel(s.x, s.y), s.rgb) << what << " at " << s.x << "," << s.y;
        }
    }
};

TEST_F(SdlDrawingTest, CachedPicturesKeepTheirSizePlainOnesScale) {
    Picture cached(clock);
    ASSERT_EQ(cached.load(u"gfx\\halves.png", &offscreen(), true), 1);
    EXPECT_EQ(cached.width, 40);
    EXPECT_EQ(cached.height, 30);
    cached.setPosition(100.9f, 200.9f); // drawn at (100, 200)
    cached.setSize(200, 150);
    Picture plain(clock);
    plain.load(u"gfx\\halves.png", &offscreen(), false);
    plain.setPosition(400, 100);
    plain.setSize(200, 100);
    Picture mirrored(clock); // a negative width mirrors the picture
    mirrored.load(u"gfx\\halves.png", &offscreen(), false);
    mirrored.setPosition(500, 400);
    mirrored.setSize(-100, 50);
    cached.draw();
    plain.draw();
    mirrored.draw();
    showFrame();
    // The cached picture: nothing outside its natural size, though inside its set size.
    expectPixels({{103, 203, kRed},
                  {117, 226, kRed},
                  {123, 203, kGreen},
                  {137, 226, kGreen},
                  {143, 215, kBack},
                  {110, 233, kBack},
                  {97, 215, kBack}},
                 "cached");
    expectPixels({{404, 104, kRed},
                  {490, 195, kRed},
                  {510, 104, kGreen},
                  {595, 195, kGreen},
                  {605, 150, kBack},
                  {450, 205, kBack}},
                 "plain");
    expectPixels({{405, 420, kGreen}, {495, 420, kRed}, {395, 420, kBack}, {505, 420, kBack}},
                 "mirrored");
}

TEST_F(SdlDrawingTest, UnreadableImagesLoadAsNothing) {
    writePng("gfx/good.png", 64, 64, [](int, int) { return 0xFFFF0000u; });
    const std::string png = folder.read("gfx/good.png");
    folder.write("gfx/truncated.png", png.substr(0, png.size() / 2));
    folder.write("gfx/text.png", "this is not a picture at all\n");
    folder.write("gfx/empty.png", "");
    folder.makeFolder("gfx/folder.png");
    for (const char16_t* path : {u"gfx\\truncated.png", u"gfx\\text.png", u"gfx\\empty.png",
                                 u"gfx\\folder.png", u"gfx\\missing.png"}) {
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
    expectPixels({{50, 50, kBack}}, "unreadable");
}

TEST_F(SdlDrawingTest, FilledRectangles) {
    offscreen().fillRectangle(RectF{50.4f, 60.6f, 100, 50}, 0xFFFF0000); // pixels 50..149, 61..110
    offscreen().fillRectangle(RectF{300, 100, 100, 100}, 0xFF0000FF);
    offscreen().fillRectangle(RectF{350, 100, 100, 100}, 0x80FF0000); // half over the blue
    offscreen().fillRectangle(RectF{600, 100, -50, 50}, 0xFFFFFFFF);  // nothing
    showFrame();
    expectPixels({{53, 64, kRed},
                  {146, 107, kRed},
                  {47, 80, kBack},
                  {153, 80, kBack},
                  {100, 58, kBack},
                  {100, 113, kBack},
                  {320, 150, kBlue},
                  {580, 120, kBack}},
                 "fill");
    const std::uint32_t blended = canvas.pixel(370, 150);
    EXPECT_NEAR(static_cast<int>(blended >> 16), 0x80, 2);
    EXPECT_EQ((blended >> 8) & 0xFF, 0u);
    EXPECT_NEAR(static_cast<int>(blended & 0xFF), 0x7F, 2);
}

TEST_F(SdlDrawingTest, HoverFrameOutlinesTheMarginRectangle) {
    struct Case {
        int margin;
        int left, top, right, bottom; // the frame rectangle's edges, on which the pen is centred
    };
    for (const Case& c : {Case{10, 95, 95, 305, 205}, Case{5, 98, 98, 303, 203}}) {
        Picture picture(clock);
        picture.load(u"gfx\\missing.png", &offscreen(), true);
        picture.setPosition(100, 100);
        picture.setSize(200, 100);
        picture.setFrameMargin(c.margin);
        picture.hover = 1;
        offscreen().clear(0xFF000000 | kBack);
        picture.drawFrame();
        showFrame();
        // Pen 4: two pixels either side of each edge.
        expectPixels({{c.left, 150, kWhite},
                      {c.left - 1, 150, kWhite},
                      {c.left - 4, 150, kBack},
                      {c.left + 3, 150, kBack},
                      {c.right, 150, kWhite},
                      {c.right + 3, 150, kBack},
                      {c.right - 4, 150, kBack},
                      {200, c.top, kWhite},
                      {200, c.top - 4, kBack},
                      {200, c.top + 3, kBack},
                      {200, c.bottom, kWhite},
                      {200, c.bottom - 4, kBack}},
                     "margin " + std::to_string(c.margin));
    }
}

TEST_F(SdlDrawingTest, ThickEllipsesAndRoundCappedLines) {
    offscreen().drawEllipse(RectF{200, 150, 400, 300}, 0xFFFF0000, 20);
    offscreen().drawLine(100, 500, 300, 500, 0xFF0000FF, 20);
    offscreen().drawLine(650, 100, 750, 200, 0xFF00FF00, 20);
    showFrame();
    const int onRingX = 400 + static_cast<int>(200 * std::sqrt(0.5));
    const int onRingY = 300 + static_cast<int>(150 * std::sqrt(0.5));
    expectPixels({{400, 150, kRed},
                  {400, 143, kRed},
                  {400, 157, kRed},
                  {400, 136, kBack},
                  {400, 164, kBack},
                  {200, 300, kRed},
                  {600, 300, kRed},
                  {400, 450, kRed},
                  {onRingX, onRingY, kRed},
                  {onRingX - 14, onRingY - 11, kBack},
                  {onRingX + 14, onRingY + 11, kBack},
                  {400, 300, kBack}},
                 "ellipse");
    // The caps reach half the pen beyond the ends, round: a square cap would cover the corners.
    expectPixels({{200, 500, kBlue},
                  {200, 493, kBlue},
                  {200, 513, kBack},
                  {307, 500, kBlue},
                  {314, 500, kBack},
                  {93, 500, kBlue},
                  {305, 505, kBlue},
                  {308, 508, kBack},
                  {92, 492, kBack}},
                 "line");
    expectPixels({{700, 150, kGreen},
                  {706, 144, kGreen},
                  {712, 138, kBack},
                  {755, 205, kGreen},
                  {759, 209, kBack},
                  {641, 91, kBack}},
                 "diagonal line");
}

} // namespace

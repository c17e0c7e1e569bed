// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/Picture.h"

#include "FakeClock.h"
#include "RecordingGraphics.h"

#include <gtest/gtest.h>

namespace {

using Calls = std::vector<std::string>;

class PictureTest : public testing::Test {
protected:
    PictureTest() { graphics.setImageSize(u"gfx\\a.png", 40, 30); }

    // gfx\a.png (40 x 30) loaded, the loading's calls forgotten.
    Picture loaded(bool cached = true) {
        Picture picture(clock);
        picture.load(u"gfx\\a.png", &graphics, cached);
        graphics.calls.clear();
        return picture;
    }

    FakeClock clock;
    RecordingGraphics graphics;
};

TEST_F(PictureTest, PointsOnTheEdgesLieOnThePicture) {
    struct Case {
        float x, width;
        int px, inside;
    };
    const Case cases[] = {
        {10, 30, 10, 1},    {10, 30, 40, 1},    {10, 30, 41, 0},    {10, 30, 9, 0},
        {10.5f, 30, 10, 0}, {10.5f, 30, 40, 1}, {10.5f, 30, 41, 0}, // floats, not truncated
        {5, 0, 5, 1},       {5, 0, 6, 0},       {-20, 10, -15, 1},
    };
    for (const Case& c : cases) {
        Picture picture(clock);
        picture.setPosition(c.x, c.x);
        picture.setSize(c.width, c.width);
        picture.hoverTest(c.px, c.px);
        EXPECT_EQ(picture.hover, c.inside) << c.x << " + " << c.width << " at " << c.px;
        const int middle = static_cast<int>(c.x + c.width / 2); // each axis on its own
        EXPECT_EQ(picture.contains(c.px, middle), c.inside);
        EXPECT_EQ(picture.contains(middle, c.px), c.inside);
    }
}

TEST_F(PictureTest, HoverFrameIsTheMarginLargerAndTruncated) {
    struct Case {
        float x, y, width, height;
        int margin;
        const char* expected;
    };
    const Case cases[] = {
        {100, 50, 60, 30, 10, "rect 95,45 70x40 ffffffff pen 4"},
        {100, 50, 60, 30, 5, "rect 98,48 65x35 ffffffff pen 4"}, // 5 / 2 = 2 on each side
        {100.7f, 50.2f, 60.5f, 30.9f, 10, "rect 95,45 70x40 ffffffff pen 4"},
        {-3.5f, 10, 20, 20, 10, "rect -8,5 30x30 ffffffff pen 4"}, // towards zero, not down
        {100, 50, 60, 30, -10, "rect 105,55 50x20 ffffffff pen 4"},
    };
    for (const Case& c : cases) {
        Picture picture = loaded();
        picture.setPosition(c.x, c.y);
        picture.setSize(c.width, c.height);
        picture.setFrameMargin(c.margin);
        picture.drawFrame(); // not hovered: nothing
        picture.hover = 1;
        picture.drawFrame();
        EXPECT_EQ(graphics.takeCalls(), Calls{c.expected}) << "margin " << c.margin;
    }
}

TEST_F(PictureTest, FrameSettersChangeOnlyThePenAndMakeANewOneAfterRelease) {
    Picture picture = loaded();
    picture.hover = 1;
    picture.setFrameColour(0xFFFF0000);
    picture.setFramePenWidth(2);
    picture.drawFrame();
    EXPECT_EQ(picture.penWidth, 4); // only the pen changed
    // Released, there is no pen until a setter makes one: in the given colour at the stored
    // width, or white at the given width.
    picture.release();
    picture.hover = 1;
    picture.drawFrame();
    picture.setFrameColour(0xFF00FF00);
    picture.drawFrame();
    picture.release();
    picture.hover = 1;
    picture.setFramePenWidth(3);
    picture.drawFrame();
    EXPECT_EQ(graphics.takeCalls(),
              (Calls{"rect 0,0 40x30 ffff0000 pen 2", "rect 0,0 40x30 ff00ff00 pen 4",
                     "rect 0,0 40x30 ffffffff pen 3"}));
}

// The pixels of cached and plain pictures are checked on the software renderer; here what the
// surface is asked for: drawAt borrows the place, far-off places clamp, plain sizes stay floats.
TEST_F(PictureTest, CachedDrawsAtItsTruncatedCornerPlainScales) {
    Picture plain = loaded(false);
    Picture cached = loaded(true);
    cached.setPosition(7.9f, -100.2f);
    cached.setSize(200, 100);
    cached.draw();
    cached.drawAt(93.5f, 7);
    EXPECT_EQ(cached.x, 7.9f); // restored
    EXPECT_EQ(cached.y, -100.2f);
    cached.setPosition(1e30f, -1e30f); // far away, yet no overflow
    cached.draw();
    plain.setPosition(7.9f, 100.25f);
    plain.setSize(30.5f, 40);
    plain.draw();
    EXPECT_EQ(graphics.takeCalls(), (Calls{"image gfx\\a.png at 7,-100", "image gfx\\a.png at 93,7",
                                           "image gfx\\a.png at 2147483647,-2147483648",
                                           "image gfx\\a.png in 7.9,100.25 30.5x40"}));
}

// A plain picture that keeps its shape fills its box only when it has the box's shape (within a
// pixel); otherwise it is as large as fits, centred. Without the setting it is stretched.
TEST_F(PictureTest, APictureKeepingItsShapeIsFittedAndCentredInItsBox) {
    struct Case {
        const char* what;
        int width, height;
        bool keepsShape;
        const char* drawn; // into the box 600 x 450 at (100, 0)
    };
    const Case cases[] = {
        {"4:3", 40, 30, true, "in 100,0 600x450"},
        {"within a pixel of 4:3", 1365, 1024, true, "in 100,0 600x450"},
        {"3:8 portrait", 30, 80, true, "in 315.62,0 168.75x450"},
        {"16:9 landscape", 160, 90, true, "in 100,56.25 600x337.5"},
        {"wider than 16:9", 1000, 10, true, "in 100,222 600x6"},
        {"stretched", 30, 80, false, "in 100,0 600x450"},
    };
    for (const Case& c : cases) {
        graphics.setImageSize(u"gfx\\b.png", c.width, c.height);
        Picture picture(clock);
        picture.load(u"gfx\\b.png", &graphics, false);
        picture.setKeepsShape(c.keepsShape);
        picture.setPosition(100, 0);
        picture.setSize(600, 450);
        graphics.calls.clear();
        picture.draw();
        EXPECT_EQ(graphics.takeCalls(), Calls{std::string("image gfx\\b.png ") + c.drawn})
            << c.what;
        EXPECT_EQ(picture.contains(101, 1), 1) << c.what; // hits count on the whole box
    }
}

TEST_F(PictureTest, LoadingWithoutTargetChangesNothing) {
    Picture picture = loaded();
    picture.setSize(77, 88);
    EXPECT_EQ(picture.load(u"gfx\\b.png", nullptr, false), 0);
    EXPECT_EQ(picture.width, 77);
    EXPECT_EQ(picture.target(), &graphics);
    picture.draw(); // still the first image, still cached
    EXPECT_EQ(graphics.takeCalls(), Calls{"image gfx\\a.png at 0,0"});
}

TEST_F(PictureTest, ReleaseFreesEverythingButKeepsPlaceAndText) {
    Picture picture = loaded(false);
    picture.setPosition(5, 6);
    picture.setVelocity(10, 0);
    picture.setText(u"Hi");
    picture.hover = 1;
    picture.release();
    EXPECT_FALSE(picture.hasImage());
    EXPECT_EQ(picture.hover, 0);
    EXPECT_EQ(picture.x, 5);
    EXPECT_EQ(picture.width, 40);
    EXPECT_EQ(picture.velocityX, 10);
    EXPECT_EQ(picture.text, u"Hi");
    graphics.calls.clear();
    picture.hover = 1;
    picture.draw();
    picture.drawFrame();
    picture.drawText();
    picture.drawBox();
    EXPECT_EQ(graphics.takeCalls(), Calls{});
    EXPECT_EQ(picture.load(u"gfx\\a.png", &graphics, true), 1);
    picture.draw();
    EXPECT_EQ(graphics.calls.back(), "image gfx\\a.png at 5,6");
}

TEST_F(PictureTest, TextIsMeasuredWhenSetAndOnlyThen) {
    Picture picture(clock);
    picture.setFontSize(40); // before the target: the size is remembered
    picture.textRect = RectF{3, 4, 5, 6};
    picture.setText(u"Hello");
    EXPECT_EQ(picture.text, u"Hello");
    EXPECT_EQ(picture.textRect.x, 3); // no target: not measured
    EXPECT_EQ(picture.textRect.width, 5);

    picture.setTarget(&graphics);
    picture.setText(u"Hello");
    EXPECT_EQ(picture.textRect.x, 0); // the fake: half the size per character
    EXPECT_EQ(picture.textRect.y, 0);
    EXPECT_EQ(picture.textRect.width, 100);
    EXPECT_EQ(picture.textRect.height, 40);
    picture.setFontSize(80); // keeps the old measure
    EXPECT_EQ(picture.textRect.width, 100);
    picture.drawText();
    picture.setText(u"Hi");
    EXPECT_EQ(picture.textRect.width, 80);
    EXPECT_EQ(
        graphics.takeCalls(),
        (Calls{"font Comic Sans MS 40px", "measure \"Hello\"", "font Comic Sans MS 80px",
               "text \"Hello\" in 0,0 100x40 ffffffff Comic Sans MS 80px", "measure \"Hi\""}));
}

} // namespace

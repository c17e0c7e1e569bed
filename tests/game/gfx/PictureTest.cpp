// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/Picture.h"

#include "FakeClock.h"
#include "RecordingGraphics.h"

#include <gtest/gtest.h>

namespace {

using Calls = std::vector<std::string>;

class PictureTest : public testing::Test {
protected:
    FakeClock clock;
    RecordingGraphics graphics;
};

// Both edges lie on the picture, compared as floats; each axis against its own side.
TEST_F(PictureTest, PointsOnTheEdgesLieOnThePicture) {
    const struct {
        float x, width, height;
        int px, py, inside;
    } cases[] = {
        {10, 30, 5, 10, 0, 1},    {10, 30, 5, 40, 5, 1},    {10, 30, 5, 41, 2, 0},
        {10, 30, 5, 20, 6, 0},    {10, 30, 5, 9, 2, 0},     {0, 5, 30, 3, 29, 1},
        {10.5f, 30, 5, 10, 2, 0}, {-20, 10, 10, -15, 5, 1},
    };
    for (const auto& c : cases) {
        Picture picture(clock);
        picture.setPosition(c.x, 0);
        picture.setSize(c.width, c.height);
        picture.hoverTest(c.px, c.py);
        EXPECT_EQ(picture.hover, c.inside) << c.x << " at " << c.px << "," << c.py;
    }
}

// The frame is the margin larger, half of it (cut to whole pixels) on each side, truncated
// towards zero; only a hovered picture has one.
TEST_F(PictureTest, HoverFrameIsTheMarginLargerAndTruncated) {
    Picture picture(clock);
    picture.setTarget(&graphics);
    picture.setPosition(-3.5f, 50.2f);
    picture.setSize(60.5f, 30.9f);
    picture.setFrameMargin(5);
    picture.drawFrame();
    picture.hover = 1;
    picture.drawFrame();
    EXPECT_EQ(graphics.takeCalls(), Calls{"rect -5,48 65x35 ffffffff pen 4"});
}

// A plain picture that keeps its shape fills its box only when it has the box's shape (within a
// pixel); otherwise it is as large as fits, centred. Without the setting it is stretched. Hits
// count on the whole box.
TEST_F(PictureTest, APictureKeepingItsShapeIsFittedAndCentredInItsBox) {
    const struct {
        int width, height;
        bool keepsShape;
        const char* drawn; // into the box 600 x 450 at (100, 0)
    } cases[] = {
        {1365, 1024, true, "in 100,0 600x450"},
        {30, 80, true, "in 315.62,0 168.75x450"},
        {160, 90, true, "in 100,56.25 600x337.5"},
        {30, 80, false, "in 100,0 600x450"},
    };
    for (const auto& c : cases) {
        graphics.setImageSize(u"gfx\\b.png", c.width, c.height);
        Picture picture(clock);
        picture.load(u"gfx\\b.png", &graphics, false);
        picture.setKeepsShape(c.keepsShape);
        picture.setPosition(100, 0);
        picture.setSize(600, 450);
        graphics.calls.clear();
        picture.draw();
        EXPECT_EQ(graphics.takeCalls(), Calls{std::string("image gfx\\b.png ") + c.drawn});
        EXPECT_EQ(picture.contains(101, 1), 1) << c.width << "x" << c.height;
    }
}

} // namespace

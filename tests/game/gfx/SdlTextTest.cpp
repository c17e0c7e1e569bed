// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoftwareCanvas.h"
#include "game/gfx/sdl/SdlFont.h"
#include "game/gfx/sdl/SdlResources.h"

#include <gtest/gtest.h>

namespace {

class SdlTextTest : public testing::Test, public DrawingFixture {
protected:
    std::unique_ptr<Font> font(std::u16string_view family, float size, FontUnit unit) {
        return surfaces.offscreen().createFont(family, size, unit);
    }
};

// Known families have free stand-ins of the same metrics; any other family is sans-serif, even
// where fontconfig has a look-alike. 16 points are 21.33 pixels: 96 dots per inch, not rounded.
TEST_F(SdlTextTest, FamiliesFallBackToSansSerifAndPointsAreNinetySixPerInch) {
    const auto familyOf = [&](std::u16string_view asked) {
        return dynamic_cast<const SdlFont&>(*font(asked, 24, FontUnit::Pixel)).family();
    };
    EXPECT_EQ(familyOf(u"Comic Sans MS"), u"Comic Neue");
    EXPECT_EQ(familyOf(u"arial"), u"Liberation Sans");
    EXPECT_EQ(familyOf(u"Helvetica"), familyOf(u"sans-serif"));
    EXPECT_NEAR(dynamic_cast<const SdlFont&>(*font(u"Arial", 16, FontUnit::Point)).pixels(),
                21.333f, 0.001f);
}

// Unused for a while, rendered texts are let go; never while recorded drawing may use them.
TEST_F(SdlTextTest, RenderedTextsAreLetGoOnlyWhenNoDrawingMayUseThem) {
    SdlResources resources(canvas.renderer(), files);
    const auto comic = resources.createFont(u"Comic Sans MS", 24, FontUnit::Pixel);
    TextCache& texts = resources.texts();
    ASSERT_NE(texts.get(u"Play", *comic, 0xFFFFFFFF, TextAlignment::Near), nullptr);
    for (int frame = 0; frame < 300; ++frame) {
        texts.endFrame(false);
    }
    EXPECT_EQ(texts.size(), 1u);
    texts.endFrame(true);
    EXPECT_EQ(texts.size(), 0u);
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/shell/ChildrenScreen.h"

#include "ScreenFixture.h"

#include <optional>

// However many children share the computer, their cards are all of one size, inside the window
// below the stop button, and none covers another; up to a class of twelve they stay large.
TEST(ChildCardPlacesTest, CardsFitTheWindowWithoutOverlapping) {
    for (std::size_t count = 1; count <= 40; ++count) {
        const std::vector<RectF> places = childCardPlaces(count);
        ASSERT_EQ(places.size(), count);
        for (std::size_t k = 0; k < count; ++k) {
            const RectF& a = places[k];
            EXPECT_EQ(a.width, places[0].width) << count;
            EXPECT_EQ(a.height, places[0].height) << count;
            EXPECT_TRUE(a.x >= 0 && a.y >= 80 && a.x + a.width <= 800 && a.y + a.height <= 600)
                << count << " children, card " << k;
            EXPECT_GE(a.width, count <= 12 ? 100 : 40) << count;
            for (std::size_t j = 0; j < k; ++j) {
                const RectF& b = places[j];
                const bool apart = a.x >= b.x + b.width || b.x >= a.x + a.width ||
                                   a.y >= b.y + b.height || b.y >= a.y + a.height;
                EXPECT_TRUE(apart) << count << " children, cards " << j << " and " << k;
            }
        }
    }
}

class ChildrenScreenTest : public ScreenFixture {
protected:
    std::unique_ptr<ChildrenScreen> choosing(int oneContact) {
        writeSettings([&](Options& options) { options.oneContact = oneContact; });
        std::vector<ChildProfile> children;
        for (const char16_t* name : {u"Alva", u"Bo", u"Cleo"}) {
            children.push_back({name, test.folder.path() / "children", {}});
        }
        auto screen = std::make_unique<ChildrenScreen>(services, children,
                                                       [this](std::size_t k) { chosen = k; });
        begin(*screen);
        test.pointer.screen = screen.get();
        return screen;
    }

    std::optional<std::size_t> chosen;
};

// A click on a card, two switches (step, then choose) or one switch with automatic scanning each
// choose the child under the frame, and the screen is left; the stop button and Esc choose none.
TEST_F(ChildrenScreenTest, AClickOrASwitchChoosesTheChildAndTheStopButtonNone) {
    const std::vector<RectF> places = childCardPlaces(3);
    auto clicked = choosing(0);
    clicked->mouseDown(static_cast<int>(places[2].x + 5), static_cast<int>(places[2].y + 5));
    EXPECT_EQ(chosen, 2u);
    EXPECT_EQ(clicked->update(), NextScreen(Quit));

    chosen.reset();
    auto twoSwitches = choosing(0);
    press(*twoSwitches, 2); // to the first card, then the second
    twoSwitches->keyDown(kKeyEnter);
    EXPECT_EQ(chosen, 1u);

    chosen.reset();
    test.access.scanTimeMs = 1000;
    auto oneSwitch = choosing(1);
    test.clock.advanceMilliseconds(1001);
    oneSwitch->update(); // the scan's first step, onto the first card
    oneSwitch->keyDown(kKeyEnter);
    EXPECT_EQ(chosen, 0u);

    chosen.reset();
    auto stopped = choosing(0);
    stopped->mouseDown(40, 40);
    EXPECT_EQ(stopped->update(), NextScreen(Quit));
    auto escaped = choosing(0);
    escaped->keyDown(kKeyEscape);
    EXPECT_EQ(escaped->update(), NextScreen(Quit));
    EXPECT_FALSE(chosen);
}

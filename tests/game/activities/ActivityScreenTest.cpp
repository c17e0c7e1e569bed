// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/screen/ActivityScreen.h"

#include "RecordingGraphics.h"
#include "TestServices.h"
#include "game/activities/ActivityFactory.h"

#include <clocale>
#include <gtest/gtest.h>
#include <string>

namespace {

// The smallest activity: any key or press but Esc is a contact, acted on once per hold.
class CountingActivity : public ActivityScreen {
public:
    using ActivityScreen::ActivityScreen;
    int begin(Graphics& offscreen, Graphics& window, Image& image) override {
        ActivityScreen::begin(offscreen, window, image);
        loadStopButton(true);
        return 1;
    }
    void draw() override {}
    void keyDown(int key) override {
        if (key == kKeyEscape) {
            nextScreenId_ = MenuId;
        } else if (contactHeld_ == 0) {
            contactHeld_ = 1;
            ++contacts;
        }
    }
    void mouseDown(int, int) override { keyDown(0); }
    bool stopHovered() const { return stopButton_.hover == 1; }
    int contacts = 0;
};

} // namespace

class ActivityScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        test.folder.makeFolder("options");
        graphics.setImageSize(u"gfx\\buttons\\stop.png", 60, 60);
        activity.begin(graphics, graphics, image);
    }
    TestServices test;
    ScreenServices services = test.services();
    RecordingGraphics graphics;
    RecordingGraphics::FakeImage image{"window", 800, 600};
    CountingActivity activity{services};
};

TEST_F(ActivityScreenTest, AHeldSwitchCountsOnceAndAnyReleaseReArmsIt) {
    for (int repeat = 0; repeat < 5; ++repeat) {
        activity.keyDown(kKeySpace); // auto-repeat of a held key
    }
    activity.mouseDown(100, 100); // a button while the key is held
    EXPECT_EQ(activity.contacts, 1);
    activity.mouseUp(100, 100); // a button's release re-arms the key's contact too
    activity.keyDown(kKeySpace);
    EXPECT_EQ(activity.contacts, 2);
    activity.keyUp(kKeySpace);
    activity.mouseDown(5, 5);
    EXPECT_EQ(activity.contacts, 3);
    EXPECT_EQ(activity.update(), Stay);
    activity.keyDown(kKeyEscape);
    EXPECT_EQ(activity.update(), MenuId);
}

TEST_F(ActivityScreenTest, TheStopButtonSitsTopLeftWithItsRedFrameWhenPointedAt) {
    activity.mouseMove(70, 70); // its bottom-right corner
    EXPECT_TRUE(activity.stopHovered());
    activity.mouseMove(71, 70);
    EXPECT_FALSE(activity.stopHovered());
}

TEST(ActivityFactory, GivesNoScreenForIdsThatAreNoActivity) {
    TestServices test;
    ScreenServices services = test.services();
    EXPECT_EQ(makeActivityScreen(MenuId, services), nullptr);
    EXPECT_EQ(makeActivityScreen(OptionsId, services), nullptr);
}

// Screens are built and destroyed at every change of screen; none may change the locale the
// whole process shares, not even the picture-and-word activity writing Swedish capitals.
TEST(ActivityFactory, BuildingAndEndingEveryActivityLeavesTheCLocaleAsItWas) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    TestServices test;
    test.folder.write("data/lang.txt", "Swedish");
    test.folder.write("data/Swedish/vimo", "h\xC3\xB6na\r\n\r\n\r\n\r\n\xC3\xB6ga\r\n0\r\n");
    test.folder.makeFolder("options");
    {
        Options options(test.files);
        options.capsOn = 1;
        options.writeOptionsFile();
    }
    ScreenServices services = test.services();
    RecordingGraphics graphics;
    RecordingGraphics::FakeImage image{"window", 800, 600};
    for (int id = RingsId; id <= MovingPictureId; ++id) {
        auto screen = makeActivityScreen(static_cast<ScreenId>(id), services);
        ASSERT_NE(screen, nullptr) << id;
        screen->begin(graphics, graphics, image);
        screen->draw();
        EXPECT_EQ(std::setlocale(LC_ALL, nullptr), before) << id;
        screen.reset();
        EXPECT_EQ(std::setlocale(LC_ALL, nullptr), before) << id;
    }
}

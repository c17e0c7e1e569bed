// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/screen/ActivityScreen.h"

#include "RecordingGraphics.h"
#include "TestServices.h"
#include "game/activities/ActivityFactory.h"

#include <clocale>
#include <gtest/gtest.h>
#include <string>

namespace {

// The smallest activity: any key or press but Esc and the stop button is a contact, acted on
// once per hold.
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
            escapePressed();
        } else if (contactHeld_ == 0) {
            contactHeld_ = 1;
            ++contacts;
        }
    }
    void mouseDown(int x, int y) override {
        if (!stopButtonPressed(x, y)) {
            keyDown(0);
        }
    }
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

// Unlocked, Esc and the stop button leave at once; under the lock only a press held alone for
// three seconds does, ending at that moment while still held. Auto-repeat neither restarts nor
// shortens the hold, and the pointer must stay on the stop button.
TEST_F(ActivityScreenTest, UnderTheLockEscAndTheStopButtonLeaveOnlyWhenHeldThreeSeconds) {
    enum Way { Esc, Stop, StopThenOff, EscWithSpace };
    struct Case {
        bool lock;
        Way way;
        std::uint32_t heldMs;
        // When update first leads to the menu, in ms after the press; -1 for never.
        int leftAt;
    };
    const Case cases[] = {
        {false, Esc, 100, 0},           {false, Stop, 100, 0},    {true, Esc, 100, -1},
        {true, Stop, 100, -1},          {true, Esc, 2999, -1},    {true, Stop, 2999, -1},
        {true, Esc, 4000, 3000},        {true, Stop, 4000, 3000}, {true, StopThenOff, 4000, -1},
        {true, EscWithSpace, 4000, -1},
    };
    {
        Options shown(test.files);
        shown.useStop = 1;
        shown.writeOptionsFile();
    }
    for (const Case& c : cases) {
        test.access.kioskLock = c.lock;
        CountingActivity locked{services};
        locked.begin(graphics, graphics, image);
        if (c.way == Stop || c.way == StopThenOff) {
            locked.mouseDown(40, 40);
        } else {
            locked.keyDown(kKeyEscape);
        }
        EXPECT_EQ(locked.nextTurn(), c.lock ? NextTurn::in(3000) : NextTurn::now());
        int leftAt = locked.update() == MenuId ? 0 : -1;
        // Turns a millisecond apart, with the keyboard's auto-repeat while Esc is held.
        for (std::uint32_t ms = 1; ms <= c.heldMs + 2000 && leftAt < 0; ++ms) {
            test.clock.advanceMilliseconds(1);
            if (ms == c.heldMs) {
                locked.keyUp(kKeyEscape);
                locked.mouseUp(40, 40);
            } else if (ms < c.heldMs && (c.way == Esc || (c.way == EscWithSpace && ms < 1000)) &&
                       ms % 33 == 0) {
                locked.keyDown(kKeyEscape);
            }
            if (ms == 1000 && c.way == StopThenOff) {
                locked.mouseMove(200, 200);
            }
            if (ms == 1000 && c.way == EscWithSpace) {
                locked.keyDown(kKeySpace); // a child's switch while the adult holds Esc
                locked.keyUp(kKeySpace);
            }
            if (ms == 2000) {
                const bool holding = (c.way == Esc || c.way == Stop) && c.heldMs > ms;
                EXPECT_EQ(locked.nextTurn(), holding ? NextTurn::in(1000) : NextTurn::never())
                    << "way " << c.way << ", held " << c.heldMs;
            }
            if (locked.update() == MenuId) {
                leftAt = static_cast<int>(ms);
            }
        }
        EXPECT_EQ(leftAt, c.leftAt)
            << "lock " << c.lock << ", way " << c.way << ", held " << c.heldMs;
    }
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

// SPDX-License-Identifier: GPL-3.0-or-later
// The rules all six activities share, each run over every activity it applies to, built as the
// menu builds them: the missing and the empty list, the ways out by Esc and the stop button, the
// exercise's background, and which presses count.
#include "ScreenFixture.h"
#include "game/activities/ActivityFactory.h"

namespace {

const ScreenId kActivities[] = {RingsId,       ShapesId, FindImagesId,
                                PictureWordId, PaintId,  MovingPictureId};
const ScreenId kListActivities[] = {ShapesId, FindImagesId, PictureWordId, MovingPictureId};

} // namespace

class SharedRulesTest : public ScreenFixture {
protected:
    SharedRulesTest() { writeList({exerciseItem("e0"), exerciseItem("e1"), exerciseItem("e2")}); }

    // The activity on these settings, begun a while after any earlier press.
    std::unique_ptr<Screen> start(ScreenId id, const std::function<void(Options&)>& change) {
        writeSettings([&](Options& options) {
            options.useStop = 1;
            change(options);
        });
        test.clock.advanceMilliseconds(5000);
        auto screen = makeActivityScreen(id, services);
        begin(*screen);
        return screen;
    }
};

// A missing list is reported once and leads back to the menu, however the child presses on; the
// activities without a list do not look for one. With an empty list nothing plays whatever is
// pressed, the stop button shows, and Esc still leaves.
TEST_F(SharedRulesTest, AMissingListSendsTheChildBackAndAnEmptyOneStaysUsable) {
    for (const ScreenId id : kActivities) {
        for (const bool missing : {true, false}) {
            SCOPED_TRACE(std::to_string(id) + (missing ? " missing" : " empty"));
            const bool usesList = std::ranges::count(kListActivities, id) == 1;
            const bool refused = missing && usesList;
            writeList({});
            if (missing) {
                std::filesystem::remove(test.folder.path() / "data/English/vimo");
            }
            test.errorBox.messages.clear();
            auto screen = start(id, [](Options&) {});
            EXPECT_EQ(begun, refused ? 0 : 1);
            heard();
            press(*screen, 3);
            const Calls drawn = frame(*screen);
            EXPECT_EQ(screen->update(), refused ? NextScreen(MenuId) : Stay);
            ASSERT_EQ(test.errorBox.messages.size(), refused ? 1u : 0u);
            if (refused) {
                EXPECT_EQ(test.errorBox.messages[0].text,
                          u"A list is missing: data\\English\\vimo");
                continue;
            }
            EXPECT_FALSE(usesList && contains(heard(), "play")) << "nothing to play";
            EXPECT_TRUE(contains(drawn, "image gfx\\buttons\\stop.png"));
            screen->keyDown(kKeyEscape);
            EXPECT_EQ(screen->update(), MenuId);
        }
    }
}

// Unlocked, Esc and the stop button in use leave at once, its corner included; presses beside it
// or with it hidden never do. Under the lock only a press held alone for the lock hold time leaves,
// at that moment while still held; auto-repeat neither restarts nor shortens the hold, and the
// pointer must stay on the stop button. Leaving silences the sound.
TEST_F(SharedRulesTest, EscAndTheStopButtonLeaveAndUnderTheLockOnlyWhenHeldTheHoldTime) {
    enum Way { Esc, Corner, Beside, StopThenOff, EscWithSpace };
    // Locked, the way, the stop button in use, held for ms, when update first leads to the menu,
    // in ms after the press (-1 for never), and the lock hold time.
    const std::tuple<bool, Way, int, std::uint32_t, int, int> cases[] = {
        {false, Esc, 0, 100, 0, 3000},           {false, Corner, 1, 100, 0, 3000},
        {false, Corner, 0, 100, -1, 3000},       {false, Beside, 1, 100, -1, 3000},
        {true, Esc, 1, 2999, -1, 3000},          {true, Esc, 1, 4000, 3000, 3000},
        {true, Corner, 1, 4000, 3000, 3000},     {true, StopThenOff, 1, 4000, -1, 3000},
        {true, EscWithSpace, 1, 4000, -1, 3000}, {true, Esc, 1, 4000, 1000, 1000},
        {true, Corner, 1, 6000, 5000, 5000},     {true, Esc, 1, 4999, -1, 5000},
    };
    for (const ScreenId id : kActivities) {
        for (const auto& [lock, way, useStop, heldMs, leaves, lockHold] : cases) {
            test.access.kioskLock = lock;
            test.access.lockHoldTime = lockHold;
            auto screen = start(id, [&](Options& options) {
                options.useStop = useStop;
                options.musicOn[id] = 0;
            });
            const bool isEsc = way == Esc || way == EscWithSpace;
            const int xy = way == Corner ? 70 : way == Beside ? 71 : 40;
            if (isEsc) {
                screen->keyDown(kKeyEscape);
            } else {
                screen->mouseDown(xy, xy);
            }
            int leftAt = screen->update() == MenuId ? 0 : -1;
            // Turns a millisecond apart, with the keyboard's auto-repeat while Esc is held.
            for (std::uint32_t ms = 1; ms <= heldMs + 2000 && leftAt < 0; ++ms) {
                test.clock.advanceMilliseconds(1);
                if (ms == heldMs) {
                    screen->keyUp(kKeyEscape);
                    screen->mouseUp(xy, xy);
                } else if (ms < heldMs && ms % 33 == 0 && way == Esc) {
                    screen->keyDown(kKeyEscape);
                }
                if (ms == 1000 && way == StopThenOff) {
                    screen->mouseMove(200, 200);
                } else if (ms == 1000 && way == EscWithSpace) {
                    screen->keyDown(kKeySpace); // a child's switch while the adult holds Esc
                    screen->keyUp(kKeySpace);
                }
                if (screen->update() == MenuId) {
                    leftAt = static_cast<int>(ms);
                }
            }
            EXPECT_EQ(leftAt, leaves) << id << ", way " << way << ", held " << heldMs;
            screen.reset();
            EXPECT_EQ(test.sound.calls.back(), "stop");
        }
    }
}

// Grey asks for the background of the exercise's own colour, if any; any other setting wins.
TEST_F(SharedRulesTest, GreyAsksForTheExercisesOwnColourAndAnyOtherSettingWins) {
    const std::tuple<std::uint32_t, std::int32_t, const char*> cases[] = {
        {0xFF000000, -15654349, "clear ff000000"},
        {0xFF808080, -15654349, "clear ff112233"},
        {0xFF808080, 16777215, "clear ff808080"}, // no colour of its own
    };
    for (const ScreenId id : kListActivities) {
        for (const auto& [setting, colour, clear] : cases) {
            writeList({exerciseItem("e0", colour), exerciseItem("e1", colour)});
            auto screen = start(id, [&](Options& options) {
                options.backgroundColour[id] = setting;
                options.textOn = 0;
            });
            EXPECT_EQ(frame(*screen).front(), clear) << id << " " << setting << " " << colour;
        }
    }
}

// Which presses count, in the activities whose presses are steps: keys and clicks alike need the
// key time since the last accepted press (0.2 s, a float a little over it, yet 200 ms count),
// which the next screen still knows; a held key counts once and blocks clicks until released.
TEST_F(SharedRulesTest, APressCountsAfterTheKeyTimeAndAHeldSwitchOnce) {
    // Milliseconds after the last step; K a key down, u its release, M a click at (400, 300)
    // and m its release, N the activity left and begun again; whether the press counts.
    const std::tuple<std::uint32_t, char, bool> steps[] = {
        {1000, 'K', true}, {1000, 'K', false}, {1000, 'M', false}, // repeats of a held key
        {0, 'm', false},   {0, 'u', false},    {1000, 'K', true},  {0, 'u', false},
        {199, 'K', false}, {0, 'u', false},    {1, 'K', true},     {0, 'u', false}, // too soon
        {199, 'M', false}, {0, 'm', false},    {1, 'M', true},     {0, 'm', false},
        {0, 'N', false},   {199, 'K', false},  {0, 'u', false},    {1, 'K', true},
    };
    test.folder.write("gfx/paint/cat01.png", "x");
    test.folder.write("gfx/paint/cat02.png", "x");
    for (const ScreenId id : {ShapesId, PictureWordId, PaintId}) {
        auto screen = start(id, [](Options&) {});
        std::uint32_t last = test.lastPressTimes[id];
        int step = 0;
        for (const auto& [after, input, counts] : steps) {
            test.clock.advanceMilliseconds(after);
            if (input == 'K') {
                screen->keyDown(kKeySpace);
            } else if (input == 'u') {
                screen->keyUp(kKeySpace);
            } else if (input == 'M') {
                screen->mouseDown(400, 300);
            } else if (input == 'm') {
                screen->mouseUp(400, 300);
            } else {
                screen = makeActivityScreen(id, services);
                begin(*screen);
            }
            if (counts) {
                last = test.clock.milliseconds();
            }
            EXPECT_EQ(test.lastPressTimes[id], last) << id << ", step " << step++;
        }
    }
}

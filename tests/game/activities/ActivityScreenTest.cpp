// SPDX-License-Identifier: GPL-3.0-or-later
// The rules all six activities share, each run over every activity it applies to, built as the
// menu builds them: the missing and the empty list, the ways out by Esc and the stop button with
// and without the lock, the exercise's background, the start music, and which presses count.
#include "ActivityFixture.h"
#include "game/activities/ActivityFactory.h"

#include <algorithm>
#include <clocale>
#include <string>

namespace {

const ScreenId kActivities[] = {RingsId,       ShapesId, FindImagesId,
                                PictureWordId, PaintId,  MovingPictureId};
// Those that play a list of exercises.
const ScreenId kListActivities[] = {ShapesId, FindImagesId, PictureWordId, MovingPictureId};
// Those whose presses are steps, held once and kept apart by the key time.
const ScreenId kStepActivities[] = {ShapesId, PictureWordId, PaintId};

bool contains(const Calls& calls, const std::string& part) {
    return std::ranges::any_of(
        calls, [&](const std::string& call) { return call.find(part) != std::string::npos; });
}

} // namespace

class SharedRulesTest : public ActivityFixture {
protected:
    SharedRulesTest() {
        writeList({exerciseItem("e0"), exerciseItem("e1"), exerciseItem("e2")});
        for (const char16_t* name :
             {u"gfx\\images\\e0.png", u"gfx\\images\\e1.png", u"gfx\\images\\e2.png"}) {
            graphics.setImageSize(name, 200, 150);
        }
    }

    // The activity on these settings, begun a while after any earlier press.
    std::unique_ptr<Screen> start(ScreenId id, const std::function<void(Options&)>& change) {
        writeSettings([&](Options& options) {
            options.oneContact = 0;
            options.keyTime = 0.5f;
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
// pressed, the background and the stop button show, and Esc still leaves.
TEST_F(SharedRulesTest, AMissingListSendsTheChildBackAndAnEmptyOneStaysUsable) {
    for (const ScreenId id : kActivities) {
        SCOPED_TRACE(id);
        const bool usesList = std::ranges::count(kListActivities, id) == 1;
        std::filesystem::remove(test.folder.path() / "data/English/vimo");
        test.errorBox.messages.clear();
        auto missing = start(id, [](Options& options) { options.useStop = 1; });
        EXPECT_EQ(begun, usesList ? 0 : 1);
        EXPECT_EQ(missing->update(), usesList ? NextScreen(MenuId) : Stay);
        press(*missing);
        missing->draw();
        EXPECT_EQ(missing->update(), usesList ? NextScreen(MenuId) : Stay);
        ASSERT_EQ(test.errorBox.messages.size(), usesList ? 1u : 0u);
        if (usesList) {
            EXPECT_EQ(test.errorBox.messages[0].text, u"A list is missing: data\\English\\vimo");
        }
        missing.reset();

        writeList({});
        auto empty = start(id, [](Options& options) { options.useStop = 1; });
        EXPECT_EQ(begun, 1);
        heard();
        for (int turn = 0; turn < 6; ++turn) {
            press(*empty);
            empty->mouseDown(400, 300);
            empty->mouseUp(400, 300);
            empty->keyDown(kKeyEnter);
            empty->keyUp(kKeyEnter);
            EXPECT_EQ(empty->update(), Stay);
        }
        if (usesList) {
            EXPECT_FALSE(contains(heard(), "play")) << "nothing to play";
        }
        const Calls drawn = frame(*empty);
        EXPECT_TRUE(contains(drawn, "image gfx\\buttons\\stop.png")) << drawn.size();
        EXPECT_EQ(drawn.back(), "image window in 0,0 800x600");
        empty->keyDown(kKeyEscape);
        EXPECT_EQ(empty->update(), MenuId);
        writeList({exerciseItem("e0"), exerciseItem("e1"), exerciseItem("e2")});
    }
}

// Unlocked, Esc and the stop button in use leave at once, its corner included; other keys and
// presses beside it or with it hidden never do. Under the lock only a press held alone for three
// seconds leaves, at that moment while still held; auto-repeat neither restarts nor shortens the
// hold, and the pointer must stay on the stop button. Leaving silences the sound, and the stop
// button wears its red frame while pointed at.
TEST_F(SharedRulesTest, EscAndTheStopButtonLeaveAndUnderTheLockOnlyWhenHeldThreeSeconds) {
    enum Way { Esc, Stop, Corner, Beside, OtherKey, StopThenOff, EscWithSpace };
    struct Case {
        bool lock;
        Way way;
        int useStop;
        std::uint32_t heldMs;
        int leftAt; // when update first leads to the menu, in ms after the press; -1 for never
    };
    const Case cases[] = {
        {false, Esc, 0, 100, 0},          {false, Stop, 1, 100, 0},
        {false, Corner, 1, 100, 0},       {false, Stop, 0, 100, -1},
        {false, Beside, 1, 100, -1},      {false, OtherKey, 1, 100, -1},
        {true, Esc, 1, 100, -1},          {true, Stop, 1, 100, -1},
        {true, Esc, 1, 2999, -1},         {true, Stop, 1, 2999, -1},
        {true, Esc, 1, 4000, 3000},       {true, Stop, 1, 4000, 3000},
        {true, StopThenOff, 1, 4000, -1}, {true, EscWithSpace, 1, 4000, -1},
    };
    const int kKeyA = 'A';
    for (const ScreenId id : kActivities) {
        for (const Case& c : cases) {
            SCOPED_TRACE("activity " + std::to_string(id) + ", lock " + std::to_string(c.lock) +
                         ", way " + std::to_string(c.way) + ", stop button " +
                         std::to_string(c.useStop) + ", held " + std::to_string(c.heldMs));
            test.access.kioskLock = c.lock;
            auto screen = start(id, [&](Options& options) {
                options.useStop = c.useStop;
                options.musicOn[id] = 0;
            });
            const bool isEsc = c.way == Esc || c.way == EscWithSpace;
            const int x = c.way == Corner ? 70 : c.way == Beside ? 71 : 40;
            const int y = c.way == Corner ? 70 : 40;
            if (isEsc || c.way == OtherKey) {
                screen->keyDown(isEsc ? kKeyEscape : kKeyA);
            } else {
                screen->mouseDown(x, y);
            }
            if (c.leftAt == 0 || c.lock) {
                EXPECT_LE(screen->nextTurn().milliseconds().value_or(UINT32_MAX),
                          c.lock ? 3000u : 0u);
            }
            int leftAt = screen->update() == MenuId ? 0 : -1;
            // Turns a millisecond apart, with the keyboard's auto-repeat while Esc is held.
            for (std::uint32_t ms = 1; ms <= c.heldMs + 2000 && leftAt < 0; ++ms) {
                test.clock.advanceMilliseconds(1);
                if (ms == c.heldMs) {
                    screen->keyUp(isEsc ? kKeyEscape : kKeyA);
                    screen->mouseUp(x, y);
                } else if (ms < c.heldMs && ms % 33 == 0 &&
                           (c.way == Esc || (c.way == EscWithSpace && ms < 1000))) {
                    screen->keyDown(kKeyEscape);
                }
                if (ms == 1000 && c.way == StopThenOff) {
                    screen->mouseMove(200, 200);
                }
                if (ms == 1000 && c.way == EscWithSpace) {
                    screen->keyDown(kKeySpace); // a child's switch while the adult holds Esc
                    screen->keyUp(kKeySpace);
                }
                if (ms == 2000 && c.heldMs > ms && (c.way == Esc || c.way == Stop)) {
                    EXPECT_LE(screen->nextTurn().milliseconds().value_or(UINT32_MAX), 1000u);
                }
                if (screen->update() == MenuId) {
                    leftAt = static_cast<int>(ms);
                }
            }
            EXPECT_EQ(leftAt, c.leftAt);
            if (c.useStop == 1 && !c.lock) {
                const std::string redFrame = "rect 5,5 70x70 ffff0000 pen 4";
                screen->mouseMove(70, 70);
                EXPECT_TRUE(contains(frame(*screen), redFrame));
                screen->mouseMove(71, 70);
                EXPECT_FALSE(contains(frame(*screen), redFrame));
            }
            screen.reset();
            EXPECT_EQ(test.sound.calls.back(), "stop");
        }
    }
}

// Grey asks for the background of the exercise's own colour, when it has one; any other setting
// wins.
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

// The start music plays at the begin only when its setting is 1. The long tunes of the rings and
// the moving picture play from their start and stop at the first key, once; leaving closes them.
TEST_F(SharedRulesTest, TheStartMusicPlaysOnlyWhenItsSettingIsOne) {
    for (const ScreenId id : kActivities) {
        for (const int musicOn : {1, 0, 2}) {
            SCOPED_TRACE(std::to_string(id) + ", music " + std::to_string(musicOn));
            heard();
            auto screen = start(id, [&](Options& options) { options.musicOn[id] = musicOn; });
            const Calls atBegin = heard();
            EXPECT_EQ(contains(atBegin, "music\\intro"), musicOn == 1);
            if (musicOn == 1 && (id == RingsId || id == MovingPictureId)) {
                EXPECT_TRUE(contains(atBegin, " to 0")) << "played from its start";
                screen->keyDown('A');
                screen->keyDown(kKeyEscape);
                EXPECT_EQ(std::ranges::count_if(heard(),
                                                [](const std::string& call) {
                                                    return call.starts_with("Stop music\\intro");
                                                }),
                          1);
                screen.reset();
                EXPECT_TRUE(heard().back().starts_with("Close music\\intro"));
            }
        }
    }
}

// Which presses count, in the activities whose presses are steps: keys and clicks alike need the
// key time since the last accepted press, which the next screen still knows; a held key counts
// once and blocks clicks until released.
TEST_F(SharedRulesTest, APressCountsAfterTheKeyTimeAndAHeldSwitchOnce) {
    // Milliseconds after the last step; K a key down, u its release, M a click at (400, 300)
    // and m its release, N the activity left and begun again; whether the press counts.
    const std::tuple<std::uint32_t, char, bool> steps[] = {
        {1000, 'K', true}, {1000, 'K', false}, {1000, 'M', false}, // repeats of a held key
        {0, 'm', false},   {0, 'u', false},    {1000, 'K', true},  {0, 'u', false},
        {499, 'K', false}, {0, 'u', false},    {1, 'K', true},     {0, 'u', false}, // too soon
        {499, 'M', false}, {0, 'm', false},    {1, 'M', true},     {0, 'm', false},
        {0, 'N', false},   {499, 'K', false},  {0, 'u', false},    {1, 'K', true},
    };
    for (const ScreenId id : kStepActivities) {
        test.folder.write("gfx/paint/cat01.png", "x");
        test.folder.write("gfx/paint/cat02.png", "x");
        auto screen = start(id, [](Options&) {});
        std::uint32_t last = test.lastPressTimes[id];
        int step = 0;
        for (const auto& [after, input, counts] : steps) {
            test.clock.advanceMilliseconds(after);
            switch (input) {
            case 'K':
                screen->keyDown(kKeySpace);
                break;
            case 'u':
                screen->keyUp(kKeySpace);
                break;
            case 'M':
                screen->mouseDown(400, 300);
                break;
            case 'm':
                screen->mouseUp(400, 300);
                break;
            case 'N':
                screen.reset();
                screen = makeActivityScreen(id, services);
                begin(*screen);
                break;
            }
            if (counts) {
                last = test.clock.milliseconds();
            }
            EXPECT_EQ(test.lastPressTimes[id], last) << id << ", step " << step++;
        }
    }
}

TEST(ActivityFactory, GivesNoScreenForIdsThatAreNoActivity) {
    TestServices test;
    ScreenServices services = test.services();
    EXPECT_EQ(makeActivityScreen(MenuId, services), nullptr);
    EXPECT_EQ(makeActivityScreen(OptionsId, services), nullptr);
}

// Screens are built and destroyed at every change of screen; none may change the locale the
// whole process shares, not even the picture-and-word activity writing Swedish capitals.
TEST_F(SharedRulesTest, BuildingAndEndingEveryActivityLeavesTheCLocaleAsItWas) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    test.folder.write("data/lang.txt", "Swedish");
    test.folder.write("data/Swedish/vimo", "h\xC3\xB6na\r\n\r\n\r\n\r\n\xC3\xB6ga\r\n0\r\n");
    for (const ScreenId id : kActivities) {
        auto screen = start(id, [](Options& options) { options.capsOn = 1; });
        screen->draw();
        EXPECT_EQ(std::setlocale(LC_ALL, nullptr), before) << id;
        screen.reset();
        EXPECT_EQ(std::setlocale(LC_ALL, nullptr), before) << id;
    }
}

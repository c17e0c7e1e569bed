// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/shell/MenuScreen.h"

#include "RecordingGraphics.h"
#include "TestServices.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <iterator>

using Points = std::vector<std::pair<int, int>>;
using Calls = std::vector<std::string>;

class MenuScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        test.folder.makeFolder("options");
        graphics.setImageSize(u"gfx\\menu\\selFrame.png", 272, 207);
        graphics.setImageSize(u"gfx\\buttons\\stop.png", 60, 60);
        graphics.setImageSize(u"gfx\\buttons\\options.png", 60, 60);
        for (char16_t n = u'1'; n <= u'6'; ++n) {
            graphics.setImageSize(u"gfx\\menu\\game0" + std::u16string(1, n) + u".png", 260, 195);
        }
    }

    // A menu built and begun as the factory does it, with settings written to the folder first.
    std::unique_ptr<MenuScreen> makeMenu(int oneContact = 0, int scanTime = 3, int music = 1) {
        {
            Options options(test.files);
            options.oneContact = oneContact;
            options.scanTime = scanTime;
            options.musicOn[0] = music;
            options.writeOptionsFile();
        }
        auto menu = std::make_unique<MenuScreen>(services);
        menu->begin(graphics, graphics, window);
        test.pointer.screen = menu.get();
        return menu;
    }

    TestServices test;
    ScreenServices services = test.services();
    RecordingGraphics graphics;
    RecordingGraphics::FakeImage window{"window", 800, 600};
};

// Where each picture lies is pinned by the scanning test, which visits their centres.
TEST_F(MenuScreenTest, LaysOutTwoRowsOfThreeThatReactAcrossTheirWholeSetSize) {
    struct Case {
        int x;
        int y;
        NextScreen next;
    };
    const Case cases[] = {
        {267, 200, RingsId},         // the shared edge belongs to activity 1
        {268, 200, Stay},            // the gap between two pictures
        {269, 100, ShapesId},        // the first pixel of activity 2
        {791, 545, MovingPictureId}, // the last pixel of activity 6
        {400, 320, Stay},            // between the rows
        {20, 20, Quit},              // the stop button
        {100, 30, OptionsId},        // the options button
        {7, 350, PaintId},           // the first pixel of activity 4
        {790, 295, FindImagesId},    // the last row of activity 3
    };
    for (const Case& c : cases) {
        auto menu = makeMenu();
        menu->mouseDown(c.x, c.y);
        EXPECT_EQ(menu->update(), c.next) << c.x << "," << c.y;
    }
}

TEST_F(MenuScreenTest, OneSwitchScansThroughTheSixPicturesAndTheStopButtonEveryScanTime) {
    auto menu = makeMenu(1, 3);
    for (int step = 0; step < 8; ++step) {
        test.clock.advanceMilliseconds(3000);
        menu->update(); // three seconds exactly is not yet later than the scan time
        test.clock.advanceMilliseconds(1);
        menu->update();
    }
    // Through the six pictures' centres and the stop button's, then round again.
    const Points centres = {{137, 197}, {399, 197}, {661, 197}, {137, 447},
                            {399, 447}, {661, 447}, {40, 40},   {137, 197}};
    EXPECT_EQ(test.pointer.moves, centres);
    // One switch then selects where the scanning is.
    menu->keyDown(kKeyEnter);
    EXPECT_EQ(test.pointer.presses, (Points{{137, 197}}));
    EXPECT_EQ(menu->update(), RingsId);
    // Esc quits, whatever the switch setup.
    menu->keyDown(kKeyEscape);
    EXPECT_EQ(menu->update(), Quit);
}

TEST_F(MenuScreenTest, TwoSwitchesStepWithSpaceAndSelectWithEnter) {
    auto menu = makeMenu(0);
    test.clock.advanceMilliseconds(60'000);
    menu->update();
    EXPECT_TRUE(test.pointer.moves.empty()); // no scanning by itself with two switches
    menu->keyDown(kKeyEnter);                // before any step: the first picture
    menu = makeMenu(0);
    for (int key : {kKeySpace, kKeySpace, kKeyEnter}) {
        menu->keyDown(key);
    }
    EXPECT_EQ(test.pointer.presses, (Points{{137, 197}, {399, 197}}));
    EXPECT_EQ(menu->update(), ShapesId);
}

// Unlocked, Esc and the stop button quit at once; under the lock only when held three seconds,
// whether the mouse holds the stop button or the second switch that chose it while scanning.
// With one switch the scanning then passes the stop button by.
TEST_F(MenuScreenTest, UnderTheLockEscAndTheStopButtonQuitOnlyWhenHeldThreeSeconds) {
    enum Way { Esc, Mouse, Enter };
    struct Case {
        bool lock;
        Way way;
        std::uint32_t heldMs;
        NextScreen next;
    };
    const Case cases[] = {
        {false, Esc, 100, Quit}, {false, Mouse, 100, Quit}, {false, Enter, 100, Quit},
        {true, Esc, 100, Stay},  {true, Mouse, 100, Stay},  {true, Enter, 100, Stay},
        {true, Esc, 2999, Stay}, {true, Mouse, 3000, Quit}, {true, Enter, 3000, Quit},
        {true, Esc, 3000, Quit},
    };
    const int keys[] = {kKeyEscape, 0, kKeyEnter};
    for (const Case& c : cases) {
        test.access.kioskLock = c.lock;
        auto menu = makeMenu(0);
        if (c.way == Mouse) {
            menu->mouseDown(20, 20);
        } else {
            for (int step = 0; c.way == Enter && step < 7; ++step) {
                menu->keyDown(kKeySpace); // the scanning onto the stop button
                menu->keyUp(kKeySpace);
            }
            menu->keyDown(keys[c.way]);
        }
        NextScreen next = menu->update();
        for (std::uint32_t ms = 1; ms <= c.heldMs && next == Stay; ++ms) {
            test.clock.advanceMilliseconds(1);
            if (ms % 33 == 0 && c.way != Mouse) {
                menu->keyDown(keys[c.way]); // auto-repeat
            }
            next = menu->update();
        }
        menu->keyUp(keys[c.way]);
        menu->mouseUp(20, 20);
        test.clock.advanceMilliseconds(5000);
        if (next == Stay) {
            next = menu->update();
        }
        EXPECT_EQ(next, c.next) << "lock " << c.lock << ", way " << c.way << ", held " << c.heldMs;
    }
    test.access.kioskLock = true;
    auto menu = makeMenu(1, 3);
    const std::size_t before = test.pointer.moves.size();
    for (int step = 0; step < 7; ++step) {
        test.clock.advanceMilliseconds(3001);
        menu->update();
    }
    const Points sixAndRound = {{137, 197}, {399, 197}, {661, 197}, {137, 447},
                                {399, 447}, {661, 447}, {137, 197}};
    EXPECT_EQ(Points(test.pointer.moves.begin() + static_cast<std::ptrdiff_t>(before),
                     test.pointer.moves.end()),
              sixAndRound);
}

// The frame follows the pointer: the menu's own frame picture centred on an activity picture and
// the stop button's red frame, or, when the adult asks for it, a bold frame of the set width and
// colour just outside either in their place.
TEST_F(MenuScreenTest, TheSelectionFrameFollowsThePointerInTheMenusOwnLookOrBold) {
    const struct {
        int width;
        std::uint32_t colour;
        int steps;
        const char* frame;
    } cases[] = {
        // Centred on the picture's centre (137, 197.5): 137 - 272 / 2 = 1, 197.5 - 207 / 2 = 94.
        {0, 0xFFFFFF00, 1, "image gfx\\menu\\selFrame.png at 1,94"},
        {0, 0xFFFFFF00, 7, "rect 5,5 70x70 ffff0000 pen 4"},
        {6, 0xFF00FF00, 1, "rect 4,97 266x201 ff00ff00 pen 6"},
        {16, 0x80123456, 7, "rect 2,2 76x76 80123456 pen 16"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.frame);
        test.access.scanFrameWidth = c.width;
        test.access.scanFrameColour = c.colour;
        auto menu = makeMenu();
        const auto frames = [&] {
            graphics.calls.clear();
            menu->draw();
            Calls found;
            std::copy_if(graphics.calls.begin(), graphics.calls.end(), std::back_inserter(found),
                         [](const std::string& call) {
                             return call.starts_with("rect") || call.find("selFrame") != call.npos;
                         });
            return found;
        };
        EXPECT_EQ(frames(), Calls{});
        EXPECT_EQ(graphics.calls.front(), "clear ff2236aa");
        for (int step = 0; step < c.steps; ++step) {
            menu->keyDown(kKeySpace);
        }
        test.pointer.deliverMoves(); // the move arrives in a later turn
        EXPECT_EQ(frames(), Calls{c.frame});
        EXPECT_EQ(graphics.calls.back(), "image window in 0,0 800x600");
    }
}

// Every step, by time or by the first switch, plays the adult's cue: the tick, or the activity's
// spoken name with the tick for the stop button and for a name whose file is missing; a cue
// without its file is silent.
TEST_F(MenuScreenTest, EveryScanningStepPlaysTheChosenCue) {
    const std::string tick = "playOnce sfx\\scan.wav";
    const auto name = [](int n) {
        return "playOnce speech\\English\\menu" + std::to_string(n) + ".wav";
    };
    const struct {
        const char* what;
        int cue;
        int oneContact;
        bool files;
        Calls played;
    } cases[] = {
        {"no cue", AccessSettings::NoCue, 1, true, {}},
        {"tick by time", AccessSettings::TickCue, 1, true, Calls(7, tick)},
        {"tick by the switch", AccessSettings::TickCue, 0, true, Calls(7, tick)},
        {"tick missing", AccessSettings::TickCue, 1, false, {}},
        {"names",
         AccessSettings::ItemCue,
         0,
         true,
         {name(1), name(2), tick, name(4), name(5), name(6), tick}},
        {"names missing", AccessSettings::ItemCue, 1, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(test.folder.path() / "sfx");
        std::filesystem::remove_all(test.folder.path() / "speech");
        if (c.files) {
            test.folder.write("sfx/scan.wav", "RIFF");
            for (const int n : {1, 2, 4, 5, 6}) { // the third name is missing
                test.folder.write("speech/English/menu" + std::to_string(n) + ".wav", "RIFF");
            }
        }
        test.access.scanCue = c.cue;
        test.pointer.moves.clear();
        auto menu = makeMenu(c.oneContact, 1, 0);
        test.sound.calls.clear();
        for (int step = 0; step < 7; ++step) {
            test.clock.advanceMilliseconds(1001);
            c.oneContact == 1 ? static_cast<void>(menu->update()) : menu->keyDown(kKeySpace);
        }
        EXPECT_EQ(test.pointer.moves.size(), 7u);
        EXPECT_EQ(test.sound.calls, c.played);
    }
}

// With one switch the scanning rests on the stop button after the set rounds without a press,
// and nothing is due; the next press of any switch, the mouse button too, wakes it on the first
// picture and chooses nothing, not even the stop button the pointer rested on.
TEST_F(MenuScreenTest, ScanningRestsAfterItsRoundsAndTheWakingPressChoosesNothing) {
    test.access.scanRounds = 2;
    for (const int key : {kKeyEnter, kKeySpace, 0}) {
        SCOPED_TRACE(key);
        test.pointer.moves.clear();
        auto menu = makeMenu(1, 1);
        for (int turn = 0; turn < 30; ++turn) {
            test.clock.advanceMilliseconds(1001);
            menu->update();
        }
        ASSERT_EQ(test.pointer.moves.size(), 14u); // twice round the seven targets
        EXPECT_EQ(test.pointer.moves.back(), (std::pair<int, int>{40, 40}));
        EXPECT_EQ(menu->nextTurn(), NextTurn::never());
        key == 0 ? menu->mouseDown(40, 40) : menu->keyDown(key);
        EXPECT_EQ(menu->update(), Stay);
        EXPECT_EQ(test.pointer.moves.back(), (std::pair<int, int>{137, 197}));
        EXPECT_TRUE(test.pointer.presses.empty());
        menu->keyDown(kKeyEnter); // awake, Enter chooses again
        EXPECT_EQ(menu->update(), RingsId);
        test.pointer.presses.clear();
    }
}

TEST_F(MenuScreenTest, PlaysItsMusicWhenAllowedAndStopsItsSoundWhenItGoes) {
    makeMenu(0, 3, 1).reset();
    EXPECT_EQ(test.sound.calls, (Calls{"playOnce music\\menu.wav", "stop"}));
    test.sound.calls.clear();
    makeMenu(0, 3, 0).reset();
    EXPECT_EQ(test.sound.calls, (Calls{"stop"}));
}

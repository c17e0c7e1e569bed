// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/shell/MenuScreen.h"

#include "ScreenFixture.h"
#include "game/screen/ScanSetup.h"

using Points = std::vector<std::pair<int, int>>;

class MenuScreenTest : public ScreenFixture {
protected:
    MenuScreenTest() {
        graphics.setImageSize(u"gfx\\buttons\\options.png", 60, 60);
        for (char16_t n = u'1'; n <= u'6'; ++n) {
            graphics.setImageSize(u"gfx\\menu\\game0" + std::u16string(1, n) + u".png", 260, 195);
        }
    }

    // A menu built and begun as the factory does it, with settings written to the folder first.
    std::unique_ptr<MenuScreen> makeMenu(int oneContact = 0, int scanTime = 3, int music = 1) {
        auto menu = started<MenuScreen>([&](Options& options) {
            options.oneContact = oneContact;
            options.scanTime = scanTime;
            options.musicOn[0] = music;
        });
        test.pointer.screen = menu.get();
        return menu;
    }
};

// With one switch the pointer steps through the six pictures' centres and the stop button's each
// time the scan time has passed (the adult's milliseconds over the options' seconds; the first
// picture its delay longer; after the last step's cue has ended when asked), and rests on the
// stop button after the set round without a press, with nothing due; the next press wakes it on
// the first picture and chooses nothing, not even the stop button the pointer rested on. Then
// Enter chooses where the scanning is.
TEST_F(MenuScreenTest, OneSwitchScansEveryScanTimeAndRestsAfterItsRounds) {
    const AccessSettings cases[] = {
        {.scanRounds = 1},
        {.scanRounds = 1, .scanTimeMs = 1500, .firstItemDelay = 2000},
        {.scanCue = AccessSettings::TickCue, .scanRounds = 1, .waitForCue = true},
    };
    const Points round = {{137, 197}, {399, 197}, {661, 197}, {137, 447},
                          {399, 447}, {661, 447}, {40, 40}};
    test.folder.write("sfx/scan.wav", "RIFF");
    for (const auto& c : cases) {
        test.access = c;
        test.pointer.moves.clear();
        auto menu = makeMenu(1, 3);
        for (int step = 0; step < 10; ++step) {
            const std::size_t before = test.pointer.moves.size();
            const bool onFirst = before != 0 && test.pointer.moves.back() == round.front();
            test.clock.advanceMilliseconds(static_cast<std::uint32_t>(
                (c.scanTimeMs != 0 ? c.scanTimeMs : 3000) + (onFirst ? c.firstItemDelay : 0)));
            menu->update(); // exactly the scan time is not yet later than it
            test.clock.advanceMilliseconds(1);
            if (c.waitForCue && before != 0) {
                menu->update(); // the last step's tick still sounds
                test.sound.sharedChannelBusy = false;
            }
            EXPECT_EQ(test.pointer.moves.size(), before);
            menu->update();
        }
        EXPECT_EQ(test.pointer.moves, round);
        EXPECT_EQ(menu->nextTurn(), NextTurn::never());
        menu->keyDown(kKeyEnter);
        EXPECT_EQ(menu->update(), Stay);
        EXPECT_EQ(test.pointer.moves.back(), round.front());
        menu->keyDown(kKeyEnter);
        EXPECT_EQ(menu->update(), RingsId);
    }
}

// The scan step: the adult's milliseconds over the options' whole seconds; a hand-edited zero or
// less switches automatic scanning off, and a huge number is the longest the clock can measure.
TEST_F(MenuScreenTest, TheScanStepInMillisecondsStandsOverTheOptionsSeconds) {
    Options options(test.files);
    const std::tuple<int, int, std::uint32_t> cases[] = {
        {3, 0, 3000}, {3, 1500, 1500}, {-3, 0, 0}, {INT32_MAX, 0, 4'294'967'000u}};
    for (const auto& [seconds, ms, step] : cases) {
        options.scanTime = seconds;
        EXPECT_EQ(scanStepMilliseconds(options, AccessSettings{.scanTimeMs = ms}), step);
    }
}

// Unlocked, Esc and the stop button quit at once; under the lock only when held three seconds,
// whether the mouse holds the stop button or the second switch that chose it while scanning, also
// after a short press of that switch there, which leaves the scanning on the stop button. Under
// the administrator's options lock the options button likewise opens the options only when held.
TEST_F(MenuScreenTest, UnderTheLockEscAndTheStopButtonQuitOnlyWhenHeldThreeSeconds) {
    enum Way { Esc, Mouse, Enter, OptionsButton };
    const struct {
        bool lock;
        Way way;
        std::uint32_t heldMs;
        NextScreen next;
        bool shortFirst = false; // a short press and release before the hold
        int lockHold = 3000;
    } cases[] = {
        {false, Esc, 100, Quit},
        {false, Enter, 100, Quit},
        {true, Esc, 2999, Stay},
        {true, Esc, 3000, Quit},
        {true, Mouse, 100, Stay},
        {true, Mouse, 3000, Quit},
        {true, Enter, 100, Stay},
        {true, Enter, 3000, Quit},
        {true, Enter, 3000, Quit, true},
        {true, Enter, 1500, Quit, true, 1500},
        {false, OptionsButton, 100, OptionsId},
        {true, OptionsButton, 2999, Stay},
        {true, OptionsButton, 3000, OptionsId},
    };
    const int keys[] = {kKeyEscape, 0, kKeyEnter, 0};
    for (const auto& c : cases) {
        test.access.kioskLock = c.lock && c.way != OptionsButton;
        test.system.optionsLock = c.lock && c.way == OptionsButton;
        test.access.lockHoldTime = c.lockHold;
        auto menu = makeMenu(0);
        for (int step = 0; c.way == Enter && step < 7; ++step) {
            menu->keyDown(kKeySpace); // the scanning onto the stop button
            menu->keyUp(kKeySpace);
        }
        if (c.shortFirst) {
            menu->keyDown(kKeyEnter);
            test.clock.advanceMilliseconds(100);
            EXPECT_EQ(menu->update(), Stay);
            menu->keyUp(kKeyEnter);
        }
        const int x = c.way == OptionsButton ? 110 : 20;
        c.way == Mouse || c.way == OptionsButton ? menu->mouseDown(x, 20)
                                                 : menu->keyDown(keys[c.way]);
        NextScreen next = menu->update();
        for (std::uint32_t ms = 1; ms <= c.heldMs && next == Stay; ++ms) {
            test.clock.advanceMilliseconds(1);
            if (ms % 33 == 0 && keys[c.way] != 0) {
                menu->keyDown(keys[c.way]); // auto-repeat
            }
            next = menu->update();
        }
        menu->keyUp(keys[c.way]);
        menu->mouseUp(x, 20);
        test.clock.advanceMilliseconds(5000);
        EXPECT_EQ(next == Stay ? menu->update() : next, c.next)
            << "lock " << c.lock << ", way " << c.way << ", held " << c.heldMs;
    }
}

// When the adult asks for it, a bold frame of the set width and colour just outside the picture.
TEST_F(MenuScreenTest, TheSelectionFrameFollowsThePointerBoldWhenAskedFor) {
    test.access.scanFrameWidth = 6;
    test.access.scanFrameColour = 0xFF00FF00;
    auto menu = makeMenu();
    menu->keyDown(kKeySpace);
    test.pointer.deliverMoves(); // the move arrives in a later turn
    EXPECT_EQ(std::ranges::count(frame(*menu), "rect 4,97 266x201 ff00ff00 pen 6"), 1);
}

// Every step plays the adult's cue: here the activity's spoken name, from its own folder or,
// in older content, from among the speech recordings, with the tick for the stop button and for
// a name whose file is missing.
TEST_F(MenuScreenTest, EveryScanningStepPlaysTheChosenCue) {
    const std::string tick = "playOnce sfx\\scan.wav";
    const auto name = [](int n) {
        return "playOnce speech\\English\\" + std::string(n < 4 ? "menu\\" : "") + "menu" +
               std::to_string(n) + ".wav";
    };
    test.folder.write("sfx/scan.wav", "RIFF");
    for (const int n : {1, 2, 4, 5, 6}) { // the third name is missing
        test.folder.write("speech/English/" + std::string(n < 4 ? "menu/" : "") + "menu" +
                              std::to_string(n) + ".wav",
                          "RIFF");
    }
    test.access.scanCue = AccessSettings::ItemCue;
    auto menu = makeMenu(0, 1, 0);
    heard();
    for (int step = 0; step < 7; ++step) {
        test.clock.advanceMilliseconds(1001);
        menu->keyDown(kKeySpace);
    }
    EXPECT_EQ(heard(), (Calls{name(1), name(2), tick, name(4), name(5), name(6), tick}));
}

TEST_F(MenuScreenTest, PlaysItsMusicWhenAllowedAndStopsItsSoundWhenItGoes) {
    makeMenu(0, 3, 1).reset();
    EXPECT_EQ(heard(), (Calls{"playOnce music\\menu.wav", "stop"}));
    makeMenu(0, 3, 0).reset();
    EXPECT_EQ(heard(), (Calls{"stop"}));
}

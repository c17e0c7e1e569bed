// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/activities/RingsScreen.h"

#include "ActivityFixture.h"
#include "SoftwareCanvas.h"

#include <algorithm>
#include <ranges>
#include <set>

namespace {

const std::string kLoop = "playLooping sfx\\sounds\\bell.wav";

struct Settings {
    int lineWidth = 20;
    int contactMode = 0;
    int speed = 50;
    int soundOn = 1;
    int musicOn = 0;
    int useStop = 0;
};

void writeRingsSettings(FileSystem& files, const Settings& settings) {
    Options options(files);
    options.lineWidth = settings.lineWidth;
    options.contactMode = settings.contactMode;
    options.speedGame1 = settings.speed;
    options.soundOn[RingsId] = settings.soundOn;
    options.musicOn[RingsId] = settings.musicOn;
    options.useStop = settings.useStop;
    options.writeOptionsFile();
}

// "ellipse 21,16 25x25 ff123456 pen 20" -> "21,16 25x25", its place and size.
std::string ringRect(const std::string& call) {
    return call.substr(8, call.find(' ', call.find(' ', 8) + 1) - 8);
}

// "ellipse 21,16 25x25 ff123456 pen 20" -> "ff123456".
std::string ringColour(const std::string& call) {
    return call.substr(9 + ringRect(call).size(), 8);
}

} // namespace

class RingsScreenTest : public ActivityFixture {
protected:
    RingsScreenTest() {
        test.folder.write("sfx/sounds/bell.wav", "RIFF");
        graphics.setImageSize(u"gfx\\findimages\\reminder.png", 100, 80);
    }

    // A new screen on these settings; what its start sent to the sound is kept in startSounds.
    void makeRings(const Settings& settings = {}) {
        rings.reset();
        writeRingsSettings(test.files, settings);
        rings = std::make_unique<RingsScreen>(services);
        test.sound.calls.clear();
        rings->begin(graphics, graphics, window);
        rings->draw(); // the empty picture
        startSounds = std::exchange(test.sound.calls, {});
        graphics.calls.clear();
        otherCalls.clear();
    }

    // Turns of the loop `apart` milliseconds apart; the rings drawn meanwhile. Input comes only
    // before the first turn; every later turn that the screen said it would not need (the loop
    // would have slept through it) must change nothing.
    Calls run(int turns, std::uint32_t apart = 1) {
        Calls drawn;
        for (int turn = 0; turn < turns; ++turn) {
            const bool sleptThrough =
                turn > 0 && rings->nextTurn().milliseconds().value_or(UINT32_MAX) > apart;
            const std::string before = state(drawn);
            test.clock.advanceMilliseconds(apart);
            if (rings->update() == Stay) {
                rings->draw();
            }
            for (const std::string& call : graphics.takeCalls()) {
                (call.starts_with("ellipse ") ? drawn : otherCalls).push_back(call);
            }
            if (sleptThrough) {
                EXPECT_EQ(state(drawn), before) << "a turn the screen did not ask for changed it";
            }
        }
        return drawn;
    }

    // What a turn may change: rings, completion, the reminder, the sound (a repeated stop aside).
    std::string state(const Calls& drawn) const {
        const auto played = std::ranges::count_if(
            test.sound.calls, [](const std::string& call) { return call != "stop"; });
        return std::to_string(drawn.size()) + std::to_string(rings->complete()) +
               std::to_string(rings->reminderShown()) + std::to_string(played);
    }

    // Runs turns as run() does and tells what they did: how many rings, from which, whether the
    // background was filled (the only thing that erases rings), whether the reminder shows at the
    // end, and the sound calls since the last look, a call repeated in a row written once.
    std::string outcome(int turns, std::uint32_t apart = 1) {
        const Calls drawn = run(turns, apart);
        std::string told = std::to_string(drawn.size()) + (drawn.size() == 1 ? " ring" : " rings");
        if (!drawn.empty()) {
            told += " from " + ringRect(drawn[0]);
        }
        const Calls others = std::exchange(otherCalls, {});
        if (std::ranges::count(others, "fill 0,0 800x600 ff000000") > 0) {
            told += ", cleared";
        }
        if (rings->reminderShown()) {
            told += ", reminder";
        }
        Calls sounds = std::exchange(test.sound.calls, {});
        sounds.erase(std::unique(sounds.begin(), sounds.end()), sounds.end());
        for (const std::string& call : sounds) {
            told += ", " + call;
        }
        return told;
    }

    std::unique_ptr<RingsScreen> rings;
    Calls startSounds; // what begin() sent to the sound
    Calls otherCalls;  // what run() saw drawn besides rings
};

// Rings of the pen width in random opaque colours start at once and come every `speed` + 1 ms,
// each further right and down and larger by three quarters of the width (cut to whole pixels).
// The edge is checked before each ring, so completion comes one step after the last ring. The
// ring sound loops meanwhile when sounds are on and there is one.
TEST_F(RingsScreenTest, RingsGrowAtTheSpeedUntilTheEdgeWhichIsCheckedBeforeEachRing) {
    struct Case {
        int lineWidth, speed, soundOn;
        bool soundFile;
        std::size_t count;
        std::string second, last;
    };
    const Case cases[] = {
        {20, 50, 1, true, 28, "21,16 25x25", "307,172 415x415"}, // the 29th would reach past 600
        {30, 25, 1, true, 21, "21,16 32x32", "230,130 450x450"}, // 22.5 cut to 22
        {0, 0, 1, true, 71, "21,16 10x10", "780,430 10x10"},     // speed 0: a ring every turn
        // A width no options screen gives: the shrinking rings end when they leave the screen.
        // An empty sfx\sounds\ folder: the rings come in silence.
        {-20, 50, 1, false, 72, "21,16 -5x-5", "791,436 -1055x-1055"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("line width " + std::to_string(c.lineWidth));
        if (!c.soundFile) {
            std::filesystem::remove(test.folder.path() / "sfx/sounds/bell.wav");
        }
        makeRings({.lineWidth = c.lineWidth, .speed = c.speed, .soundOn = c.soundOn});
        rings->keyDown(kKeySpace);
        Calls drawn;
        std::vector<int> ringTurns;
        int turn = 0;
        while (!rings->complete() && turn < 20'000) {
            ++turn;
            for (const std::string& ring : run(1)) {
                drawn.push_back(ring);
                ringTurns.push_back(turn);
            }
        }
        ASSERT_EQ(drawn.size(), c.count);
        EXPECT_EQ(ringRect(drawn.front()), "10,10 10x10");
        EXPECT_EQ(ringRect(drawn[1]), c.second);
        EXPECT_EQ(ringRect(drawn.back()), c.last);
        EXPECT_EQ(turn, 1 + static_cast<int>(c.count) * (c.speed + 1));
        std::set<std::string> colours;
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            EXPECT_EQ(ringTurns[i], 1 + static_cast<int>(i) * (c.speed + 1)) << "ring " << i;
            EXPECT_TRUE(drawn[i].ends_with(" pen " + std::to_string(c.lineWidth))) << drawn[i];
            EXPECT_TRUE(ringColour(drawn[i]).starts_with("ff")) << drawn[i];
            colours.insert(ringColour(drawn[i]));
        }
        EXPECT_GT(colours.size(), c.count / 2) << "the colours are random";
        const bool heard = c.soundOn == 1 && c.soundFile;
        EXPECT_EQ(test.sound.calls, heard ? (Calls{kLoop, "stop"}) : (Calls{"stop"}));
    }
}

// The same presses in each contact mode (any value outside the three acts as mode 0). Mode 0
// keeps the rings on release and goes on at once with the sound from the start; a complete
// picture waits for the release. Mode 1 erases the picture on release. Mode 2 draws the whole
// picture from one press and starts a new one two seconds after, which waits for a new press.
TEST_F(RingsScreenTest, EachContactModeHandlesReleasesAndCompletionItsOwnWay) {
    struct Case {
        std::string afterRelease; // ten seconds after a release mid-picture
        std::string nextPress;    // the turn of the next press, at its millisecond
        std::string heldPastEnd;  // five seconds held past completion
        std::string letGo;        // the turn after letting go
    };
    const Case cases[3] = {
        {"0 rings, stop", "1 ring from 65,40 85x85, " + kLoop, "0 rings, stop",
         "0 rings, cleared, stop"},
        {"0 rings, cleared, reminder, stop", "1 ring from 10,10 10x10, cleared, " + kLoop,
         "0 rings", "0 rings, cleared, stop"},
        {"23 rings from 65,40 85x85, cleared, stop", "1 ring from 10,10 10x10, " + kLoop,
         "0 rings, cleared, stop", "0 rings"},
    };
    for (const int mode : {0, 1, 2, 3, -1}) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        const Case& c = cases[mode >= 0 && mode <= 2 ? mode : 0];
        makeRings({.contactMode = mode, .useStop = 1});
        rings->keyDown(kKeySpace);
        rings->keyUp(kKeySpace); // let go before any update: it counts for nothing
        EXPECT_TRUE(run(8000).empty());
        EXPECT_FALSE(rings->reminderShown());
        run(1);
        EXPECT_TRUE(rings->reminderShown()) << "eight seconds without a press";
        // Drawn over the rings, which draw never erases: the stop button and the reminder.
        rings->mouseMove(30, 30);
        rings->draw();
        EXPECT_EQ(graphics.takeCalls(),
                  (Calls{"image gfx\\buttons\\stop.png at 10,10", "rect 5,5 70x70 ffff0000 pen 4",
                         "image gfx\\findimages\\reminder.png in 350,260 100x80",
                         "image window in 0,0 800x600"}));

        // The press hides the reminder and clears the background before the first ring.
        otherCalls.clear();
        test.sound.calls.clear();
        rings->keyDown(kKeySpace);
        rings->update();
        rings->draw();
        const Calls first = graphics.takeCalls();
        ASSERT_EQ(first.size(), 5u); // then the stop button and the copy to the window
        EXPECT_EQ(first[0], "fill 0,0 800x600 ff000000");
        EXPECT_EQ(ringRect(first[1]), "10,10 10x10");
        EXPECT_EQ(outcome(250), "4 rings from 21,16 25x25, " + kLoop);

        rings->keyUp(kKeySpace);
        EXPECT_EQ(outcome(10'000), c.afterRelease);
        rings->mouseDown(400, 300);
        EXPECT_EQ(outcome(1, 0), c.nextPress);
        for (int turn = 0; turn < 20'000 && !rings->complete(); ++turn) {
            run(1);
        }
        ASSERT_TRUE(rings->complete());
        otherCalls.clear();
        test.sound.calls.clear();
        EXPECT_EQ(outcome(5000), c.heldPastEnd);
        rings->mouseUp(400, 300);
        EXPECT_EQ(outcome(1), c.letGo);
        rings->keyDown(kKeySpace);
        EXPECT_EQ(outcome(1), "1 ring from 10,10 10x10, " + kLoop);
    }
}

TEST_F(RingsScreenTest, TheTimesHoldAcrossTheWrapOfTheMillisecondClock) {
    // Moves the millisecond clock to `before` milliseconds before it wraps to 0.
    const auto beforeWrap = [this](std::uint32_t before) {
        test.clock.advanceMilliseconds(0u - before - test.clock.milliseconds());
    };
    beforeWrap(20);
    makeRings({.contactMode = 2});
    EXPECT_EQ(outcome(8000), "0 rings");
    EXPECT_EQ(outcome(1), "0 rings, reminder");

    // One short press of mode 2 draws the whole picture, a ring every 51 ms right across the
    // wrap, and the next picture comes two seconds after the last step.
    beforeWrap(700);
    rings->keyDown(kKeySpace);
    EXPECT_EQ(outcome(1), "1 ring from 10,10 10x10, cleared, " + kLoop); // the reminder goes
    rings->keyUp(kKeySpace);
    EXPECT_EQ(outcome(27 * 51), "27 rings from 21,16 25x25");
    EXPECT_FALSE(rings->complete());
    run(51);
    EXPECT_TRUE(rings->complete());
    EXPECT_EQ(outcome(2001), "0 rings, cleared, stop");

    // Complete a second before the wrap: the next picture still waits two seconds, the ring
    // sound playing on.
    beforeWrap(1000 + 28 * 51 + 1);
    rings->keyDown(kKeySpace);
    EXPECT_EQ(outcome(1), "1 ring from 10,10 10x10, " + kLoop);
    rings->keyUp(kKeySpace);
    EXPECT_EQ(outcome(28 * 51), "27 rings from 21,16 25x25");
    ASSERT_TRUE(rings->complete());
    EXPECT_EQ(outcome(2000), "0 rings");
    EXPECT_EQ(outcome(1), "0 rings, cleared, stop");
}

// The real drawing back end keeps the offscreen image between frames, so the rings pile up.
TEST(RingsScreenDrawingTest, RingsOfThePensWidthStayOnTheOffscreenImage) {
    for (const int lineWidth : {10, 30}) {
        SCOPED_TRACE("line width " + std::to_string(lineWidth));
        DrawingFixture drawing;
        TestServices test;
        ScreenServices services = test.services();
        test.folder.makeFolder("options");
        writeRingsSettings(test.files, {.lineWidth = lineWidth});
        RingsScreen rings(services);
        rings.begin(drawing.surfaces.offscreen(), drawing.surfaces.window(),
                    drawing.surfaces.offscreenImage());
        rings.keyDown(kKeySpace);
        for (int step = 0; step < 5; ++step) {
            rings.update();
            rings.draw();
            drawing.surfaces.endFrame();
            test.clock.advanceMilliseconds(51);
            drawing.clock.advanceMilliseconds(51);
        }
        // Left of the first ring's middle, where no later ring reaches.
        EXPECT_NE(drawing.canvas.pixel(7, 15), 0x000000u) << "the first ring is still there";

        // The fifth ring: corner (54, 34), size 10 + 4 x growth; measured along its middle row.
        const int size = 10 + 4 * static_cast<int>(lineWidth * 0.75);
        const int right = 54 + size;
        const int row = 34 + size / 2;
        const std::uint32_t colour = drawing.canvas.pixel(right, row);
        ASSERT_NE(colour, 0x000000u);
        int left = right;
        while (drawing.canvas.pixel(left - 1, row) == colour) {
            --left;
        }
        int end = right;
        while (drawing.canvas.pixel(end + 1, row) == colour) {
            ++end;
        }
        EXPECT_NEAR(end - left + 1, lineWidth, 2);
        EXPECT_NEAR((left + end) / 2.0, right, 1.5) << "the pen is centred on the outline";
        EXPECT_EQ(drawing.canvas.pixel(end + 3, row), 0x000000u) << "outside: the background";
    }
}

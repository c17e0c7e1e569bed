#include "game/activities/RingsScreen.h"

#include "SoftwareCanvas.h"
#include "RecordingGraphics.h"
#include "TestServices.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>
#include <utility>

using Calls = std::vector<std::string>;

namespace {

constexpr int kKeyA = 65;

struct Settings {
    int lineWidth = 20;
    int contactMode = 0;
    int speed = 50;
    int soundOn = 1;
    int musicOn = 0;
    int useStop = 0;
};

void writeSettings(FileSystem& files, const Settings& settings) {
    Options options(files);
    options.lineWidth = settings.lineWidth;
    options.contactMode = settings.contactMode;
    options.speedGame1 = settings.speed;
    options.soundOn[RingsId] = settings.soundOn;
    options.musicOn[RingsId] = settings.musicOn;
    options.useStop = settings.useStop;
    options.writeOptionsFile();
}

// "ellipse 21,16 25x25 ff123456 pen 20" -> "21,16 25x25".
std::string ringRect(const std::string& call) {
    std::istringstream words(call);
    std::string kind, corner, size;
    words >> kind >> corner >> size;
    return corner + " " + size;
}

bool isRing(const std::string& call) {
    return call.rfind("ellipse ", 0) == 0;
}

} // namespace

class RingsScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        test.folder.makeFolder("options");
        test.folder.write("sfx/sounds/bell.wav", "RIFF");
        graphics.setImageSize(u"gfx\\buttons\\stop.png", 60, 60);
        graphics.setImageSize(u"gfx\\findimages\\reminder.png", 100, 80);
    }

    void makeRings(const Settings& settings = {}) {
        writeSettings(test.files, settings);
        rings = std::make_unique<RingsScreen>(services);
        rings->begin(graphics, graphics, window);
        graphics.calls.clear();
        otherCalls.clear();
        test.sound.calls.clear();
    }

    // Turns of the loop a millisecond apart; the rings drawn meanwhile.
    Calls run(int milliseconds) {
        Calls drawn;
        for (int turn = 0; turn < milliseconds; ++turn) {
            test.clock.advanceMilliseconds(1);
            rings->update();
            for (const std::string& call : graphics.takeCalls()) {
                (isRing(call) ? drawn : otherCalls).push_back(call);
            }
        }
        return drawn;
    }

    // Runs until the picture is complete; the rings drawn on the way.
    Calls runToCompletion() {
        Calls drawn;
        for (int turn = 0; turn < 20'000 && !rings->complete(); ++turn) {
            const Calls more = run(1);
            drawn.insert(drawn.end(), more.begin(), more.end());
        }
        return drawn;
    }

    // Whether the background was filled since the last look: the only thing that erases rings.
    bool cleared() {
        Calls calls = std::exchange(otherCalls, {});
        const Calls recent = graphics.takeCalls();
        calls.insert(calls.end(), recent.begin(), recent.end());
        return std::count(calls.begin(), calls.end(), "fill 0,0 800x600 ff000000") > 0;
    }

    void forgetDrawing() {
        otherCalls.clear();
        graphics.calls.clear();
    }

    Calls soundsPlayed() const {
        Calls plays;
        std::copy_if(test.sound.calls.begin(), test.sound.calls.end(), std::back_inserter(plays),
                     [](const std::string& call) { return call != "stop"; });
        return plays;
    }

    TestServices test;
    ScreenServices services = test.services();
    RecordingGraphics graphics;
    RecordingGraphics::FakeImage window{"window", 800, 600};
    std::unique_ptr<RingsScreen> rings;
    Calls otherCalls; // what run() saw drawn besides rings
};

TEST_F(RingsScreenTest, RingsGrowUntilTheEdgeWhichIsCheckedBeforeEachRing) {
    struct Case {
        int lineWidth;
        std::size_t count;
        std::string second;
        std::string last;
    };
    const Case cases[] = {
        {20, 28, "21,16 25x25", "307,172 415x415"}, // the 29th would reach past 600
        {10, 44, "21,16 17x17", "483,268 311x311"}, // 7.5 cut to 7; the 45th past 800
        {30, 21, "21,16 32x32", "230,130 450x450"}, // 22.5 cut to 22
        {0, 71, "21,16 10x10", "780,430 10x10"},
        // A width no options screen gives: the shrinking rings end when they leave the screen.
        {-20, 72, "21,16 -5x-5", "791,436 -1055x-1055"},
    };
    for (const Case& c : cases) {
        makeRings({.lineWidth = c.lineWidth});
        rings->keyDown(kKeySpace);
        const Calls drawn = runToCompletion();
        ASSERT_EQ(drawn.size(), c.count) << "line width " << c.lineWidth;
        EXPECT_EQ(ringRect(drawn.front()), "10,10 10x10");
        EXPECT_EQ(ringRect(drawn[1]), c.second);
        EXPECT_EQ(ringRect(drawn.back()), c.last) << "line width " << c.lineWidth;
        EXPECT_TRUE(drawn.back().ends_with(" pen " + std::to_string(c.lineWidth)));
    }
}

TEST_F(RingsScreenTest, ARingComesEverySpeedMillisecondsAndCompletionOneStepAfterTheLast) {
    for (const int speed : {75, 50, 25}) {
        makeRings({.speed = speed});
        rings->keyDown(kKeySpace);
        std::vector<int> ringTurns;
        int turn = 0;
        while (!rings->complete() && turn < 10'000) {
            ++turn;
            if (!run(1).empty()) {
                ringTurns.push_back(turn);
            }
        }
        ASSERT_EQ(ringTurns.size(), 28u);
        EXPECT_EQ(ringTurns.front(), 1) << "the first ring comes at once";
        // A step is due once the next step time lies in the past: speed + 1 ms later.
        for (std::size_t i = 1; i < ringTurns.size(); ++i) {
            EXPECT_EQ(ringTurns[i] - ringTurns[i - 1], speed + 1) << "speed " << speed;
        }
        // The check that finds the edge is the step after the 28th ring, which draws nothing.
        EXPECT_EQ(turn - ringTurns.back(), speed + 1);
    }
}

TEST_F(RingsScreenTest, EachRingHasARandomOpaqueColourBlueGreenThenRed) {
    makeRings();
    // The screen's file list seeds the shared generator with the wall clock's seconds; one ring
    // sound needs no shuffling draws.
    RandomGenerator expected(test.clock.wallSeconds());
    rings->keyDown(kKeySpace);
    const Calls drawn = run(60);
    ASSERT_EQ(drawn.size(), 2u);
    for (const std::string& ring : drawn) {
        const int blue = expected.next() & 0xFF;
        const int green = expected.next() & 0xFF;
        const int red = expected.next() & 0xFF;
        char colour[16];
        std::snprintf(colour, sizeof colour, "ff%02x%02x%02x", red, green, blue);
        EXPECT_NE(ring.find(colour), std::string::npos) << ring << " is not " << colour;
    }
}

TEST_F(RingsScreenTest, ModeZeroKeepsTheRingsOnReleaseAndGoesOnAtOnceWithTheSoundRestarted) {
    makeRings({.contactMode = 0});
    rings->keyDown(kKeySpace);
    EXPECT_EQ(run(250).size(), 5u);
    EXPECT_EQ(soundsPlayed(), (Calls{"playLooping sfx\\sounds\\bell.wav"}));

    rings->keyUp(kKeySpace);
    test.sound.calls.clear();
    EXPECT_TRUE(run(10'000).empty()); // long after the reminder time: it is not a fresh picture
    EXPECT_FALSE(cleared());
    EXPECT_FALSE(rings->reminderShown());
    EXPECT_EQ(test.sound.calls.front(), "stop");

    test.sound.calls.clear();
    rings->keyDown(kKeySpace);
    rings->update(); // at the same millisecond as the press
    const Calls next = graphics.takeCalls();
    ASSERT_EQ(next.size(), 1u);
    EXPECT_EQ(ringRect(next[0]), "65,40 85x85"); // the sixth ring
    EXPECT_EQ(soundsPlayed(), (Calls{"playLooping sfx\\sounds\\bell.wav"}));

    // Complete while held: no new picture and no sound until the switch is let go.
    runToCompletion();
    test.sound.calls.clear();
    EXPECT_TRUE(run(5000).empty());
    EXPECT_FALSE(cleared());
    EXPECT_TRUE(soundsPlayed().empty());
    EXPECT_EQ(test.sound.calls.back(), "stop");
    rings->keyUp(kKeySpace);
    run(1);
    EXPECT_TRUE(cleared());
    EXPECT_FALSE(rings->complete());
    rings->keyDown(kKeySpace);
    EXPECT_EQ(ringRect(run(1).at(0)), "10,10 10x10");
}

TEST_F(RingsScreenTest, ModeOneErasesThePictureOnReleaseOnceARingWasDrawn) {
    makeRings({.contactMode = 1});
    rings->keyDown(kKeySpace);
    rings->keyUp(kKeySpace); // let go before any update: nothing was drawn, nothing to erase
    EXPECT_TRUE(run(100).empty());
    EXPECT_FALSE(cleared());

    rings->mouseDown(400, 300);
    EXPECT_EQ(run(1).size(), 1u) << "the first ring comes at the first update";
    rings->mouseUp(400, 300);
    test.sound.calls.clear();
    run(1);
    EXPECT_TRUE(cleared());
    EXPECT_EQ(test.sound.calls, (Calls{"stop"}));
    rings->keyDown(kKeySpace);
    EXPECT_EQ(ringRect(run(60).at(0)), "10,10 10x10");

    // Held beyond completion the sound keeps looping; the release starts over.
    runToCompletion();
    test.sound.calls.clear();
    run(3000);
    EXPECT_TRUE(test.sound.calls.empty());
    EXPECT_FALSE(cleared());
    rings->keyUp(kKeySpace);
    run(1);
    EXPECT_TRUE(cleared());
}

TEST_F(RingsScreenTest, ModeTwoDrawsTheWholePictureFromOneShortPressThenWaitsTwoSeconds) {
    makeRings({.contactMode = 2});
    rings->keyDown(kKeySpace);
    run(1);
    rings->keyUp(kKeySpace);
    EXPECT_EQ(runToCompletion().size(), 27u); // the first ring came with the press
    forgetDrawing();
    test.sound.calls.clear();

    EXPECT_TRUE(run(2000).empty());
    EXPECT_FALSE(cleared());
    EXPECT_TRUE(test.sound.calls.empty()); // the ring sound plays on meanwhile
    run(1);
    EXPECT_TRUE(cleared());
    EXPECT_EQ(test.sound.calls, (Calls{"stop"}));
    EXPECT_FALSE(rings->complete());

    // The new picture waits for a new press.
    EXPECT_TRUE(run(5000).empty());
    rings->keyDown(kKeySpace);
    EXPECT_EQ(ringRect(run(1).at(0)), "10,10 10x10");
}

TEST_F(RingsScreenTest, ValuesOutsideTheThreeContactModesActAsModeZero) {
    for (const int mode : {3, -1}) {
        makeRings({.contactMode = mode});
        rings->keyDown(kKeySpace);
        EXPECT_EQ(run(120).size(), 3u) << mode;
        rings->keyUp(kKeySpace);
        EXPECT_TRUE(run(3000).empty());
        EXPECT_FALSE(cleared());
    }
}

TEST_F(RingsScreenTest, TheReminderAppearsAfterEightSecondsWithoutAPressAndThePressHidesIt) {
    for (const int mode : {0, 1, 2}) {
        makeRings({.contactMode = mode});
        run(8000);
        EXPECT_FALSE(rings->reminderShown()) << "mode " << mode;
        run(1);
        EXPECT_TRUE(rings->reminderShown()) << "mode " << mode;
        graphics.calls.clear();
        rings->draw();
        EXPECT_EQ(graphics.takeCalls(),
                  (Calls{"image gfx\\findimages\\reminder.png in 350,260 100x80",
                         "image window in 0,0 800x600"}));

        rings->keyDown(kKeySpace);
        const std::size_t drawnBefore = graphics.calls.size();
        rings->update();
        EXPECT_FALSE(rings->reminderShown());
        // The background is cleared first, then the first ring is drawn onto it.
        ASSERT_EQ(graphics.calls.size(), drawnBefore + 2);
        EXPECT_EQ(graphics.calls[drawnBefore], "fill 0,0 800x600 ff000000");
        EXPECT_TRUE(isRing(graphics.calls[drawnBefore + 1]));
        rings->keyUp(kKeySpace);
    }
}

TEST_F(RingsScreenTest, TheTimesHoldAcrossTheWrapOfTheMillisecondClock) {
    // Moves the millisecond clock to `before` milliseconds before it wraps to 0.
    const auto beforeWrap = [this](std::uint32_t before) {
        test.clock.advanceMilliseconds(0u - before - test.clock.milliseconds());
    };
    beforeWrap(20);
    makeRings({.contactMode = 2});
    run(1000);
    EXPECT_FALSE(rings->reminderShown());
    run(7001);
    EXPECT_TRUE(rings->reminderShown());

    // Rings every 51 ms right across the wrap: the 28th comes 27 steps after the first.
    beforeWrap(700);
    rings->keyDown(kKeySpace);
    EXPECT_EQ(run(1).size(), 1u);
    rings->keyUp(kKeySpace);
    EXPECT_EQ(run(27 * 51).size(), 27u);
    EXPECT_FALSE(rings->complete());
    run(51);
    EXPECT_TRUE(rings->complete());
    run(2001);

    // Complete a second before the wrap: the next picture still waits two seconds.
    beforeWrap(1000 + 28 * 51 + 1);
    rings->keyDown(kKeySpace);
    run(1);
    rings->keyUp(kKeySpace);
    run(28 * 51);
    ASSERT_TRUE(rings->complete());
    forgetDrawing();
    run(2000);
    EXPECT_FALSE(cleared());
    run(1);
    EXPECT_TRUE(cleared());
}

TEST_F(RingsScreenTest, RingSoundsLoopWhenAllowedAndSilenceIsKeptOtherwise) {
    struct Case {
        bool soundFile;
        int soundOn;
        Calls plays;
    };
    const Case cases[] = {
        {true, 1, {"playLooping sfx\\sounds\\bell.wav"}},
        {true, 0, {}},
        {false, 1, {}}, // an empty sfx\sounds\: the rings come in silence
    };
    for (const Case& c : cases) {
        if (!c.soundFile) {
            std::filesystem::remove(test.folder.path() / "sfx/sounds/bell.wav");
        }
        makeRings({.soundOn = c.soundOn});
        rings->keyDown(kKeySpace);
        EXPECT_EQ(run(200).size(), 4u);
        EXPECT_EQ(soundsPlayed(), c.plays);
    }
}

TEST_F(RingsScreenTest, AnyKeyStopsTheStartMusicAndLeavingStopsEverySound) {
    makeRings({.musicOn = 0});
    rings.reset();
    EXPECT_EQ(test.sound.calls, (Calls{"stop"}));

    writeSettings(test.files, {.musicOn = 1});
    rings = std::make_unique<RingsScreen>(services);
    test.sound.calls.clear();
    rings->begin(graphics, graphics, window);
    EXPECT_EQ(test.sound.calls,
              (Calls{"stop", "Open music\\intro1.wav ALIAS music\\intro1.wav TYPE Waveaudio wait",
                     "Seek music\\intro1.wav to 0", "Play music\\intro1.wav"}));
    test.sound.calls.clear();
    rings->keyDown(kKeyA);
    rings->keyDown(kKeyA);
    EXPECT_EQ(test.sound.calls, (Calls{"Stop music\\intro1.wav"}));
    test.sound.calls.clear();
    rings.reset();
    EXPECT_EQ(test.sound.calls, (Calls{"stop", "Close music\\intro1.wav"}));
}

TEST_F(RingsScreenTest, EscAndTheStopButtonLeaveAnyOtherPressIsTheSwitch) {
    struct Case {
        int useStop;
        int x;
        int y;
        ScreenId next;
        bool contact;
    };
    const Case cases[] = {
        {1, 40, 40, MenuId, false}, // on the stop button
        {1, 71, 40, Stay, true},    // beside it
        {0, 40, 40, Stay, true},    // without the stop button the press is the switch
    };
    for (const Case& c : cases) {
        makeRings({.musicOn = 1, .useStop = c.useStop});
        rings->mouseDown(c.x, c.y);
        EXPECT_EQ(rings->update(), c.next) << c.x;
        EXPECT_EQ(run(1).size(), c.contact ? 1u : 0u) << c.x;
        // Only a press that is the switch stops the music.
        EXPECT_EQ(test.sound.calls.front() == "Stop music\\intro1.wav", c.contact) << c.x;
    }
    makeRings();
    rings->keyDown(kKeyEscape);
    EXPECT_EQ(rings->update(), MenuId);
    EXPECT_TRUE(run(100).empty());
}

TEST_F(RingsScreenTest, DrawNeverErasesTheRingsAndPutsTheStopButtonOnTop) {
    makeRings({.useStop = 1});
    rings->keyDown(kKeySpace);
    run(1);
    graphics.calls.clear();
    rings->mouseMove(30, 30);
    rings->draw();
    EXPECT_EQ(graphics.takeCalls(),
              (Calls{"image gfx\\buttons\\stop.png at 10,10", "rect 5,5 70x70 ffff0000 pen 4",
                     "image window in 0,0 800x600"}));
}

// The real drawing back end keeps the offscreen image between frames, so the rings pile up.
TEST(RingsScreenDrawingTest, RingsOfThePensWidthStayOnTheOffscreenImage) {
    for (const int lineWidth : {10, 20, 30}) {
        DrawingFixture drawing;
        TestServices test;
        ScreenServices services = test.services();
        test.folder.makeFolder("options");
        writeSettings(test.files, {.lineWidth = lineWidth});
        RingsScreen rings(services);
        rings.begin(drawing.surfaces.offscreen(), drawing.surfaces.window(),
                    drawing.surfaces.offscreenImage());
        rings.keyDown(kKeySpace);
        std::uint32_t firstRing = 0;
        const int steps = 5;
        for (int step = 0; step < steps; ++step) {
            rings.update();
            rings.draw();
            drawing.surfaces.endFrame();
            if (step == 0) {
                firstRing = drawing.canvas.pixel(7, 15); // left of the first ring's middle
            }
            test.clock.advanceMilliseconds(51);
            drawing.clock.advanceMilliseconds(51);
        }
        EXPECT_NE(firstRing, 0x000000u);
        EXPECT_EQ(drawing.canvas.pixel(7, 15), firstRing) << "the first ring is still there";

        // The fifth ring: corner (54, 34), size 10 + 4 x growth; measured along its middle row.
        const int size = 10 + 4 * static_cast<int>(lineWidth * 0.75);
        const int right = 54 + size;
        const int row = 34 + size / 2;
        const std::uint32_t colour = drawing.canvas.pixel(right, row);
        ASSERT_NE(colour, 0x000000u) << "line width " << lineWidth;
        int left = right;
        while (drawing.canvas.pixel(left - 1, row) == colour) {
            --left;
        }
        int end = right;
        while (drawing.canvas.pixel(end + 1, row) == colour) {
            ++end;
        }
        EXPECT_NEAR(end - left + 1, lineWidth, 2) << "line width " << lineWidth;
        EXPECT_NEAR((left + end) / 2.0, right, 1.5) << "the pen is centred on the outline";
        EXPECT_EQ(drawing.canvas.pixel(end + 3, row), 0x000000u) << "outside: the background";
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/input/Scanner.h"

#include "FakeClock.h"
#include "FakePointer.h"

#include <gtest/gtest.h>

using Points = std::vector<std::pair<int, int>>;

class ScannerTest : public ::testing::Test {
protected:
    // Targets 100 x 50, side by side from (0, 0): centres (50, 25), (150, 25), ...
    void addTargets(int count) {
        for (int i = 0; i < count; ++i) {
            pictures.emplace_back(clock);
            pictures.back().setPosition(static_cast<float>(i * 100), 0);
            pictures.back().setSize(100, 50);
        }
        for (const Picture& picture : pictures) {
            scanner.addTarget(&picture);
        }
    }

    FakeClock clock;
    FakePointer pointer;
    std::vector<Picture> pictures;
    Points presses;
    const Scanner::Press press = [this](int x, int y) { presses.emplace_back(x, y); };
    Scanner scanner{clock, pointer, press};
};

// A selection presses the framed target (target 0 before any step) and stays on it, however
// often it comes; the next step moves on. Without targets nothing happens; with the cursor left
// beyond fewer new targets, the first is pressed and framed. s: step, e: select, c: new targets.
TEST_F(ScannerTest, EverySelectionPressesTheFramedTargetAndTheNextStepMovesOn) {
    const struct {
        int targets;
        const char* script;
        Points moves;
        Points presses;
    } cases[] = {
        {0, "se", {}, {}},
        {3, "e", {}, {{50, 25}}},
        {3, "sseees", {{50, 25}, {150, 25}, {250, 25}}, Points(3, {150, 25})},
        {3, "ssssee", {{50, 25}, {150, 25}, {250, 25}, {50, 25}}, Points(2, {50, 25})},
        {3, "ssscesse", {{50, 25}, {150, 25}, {250, 25}, {50, 25}, {50, 25}}, Points(2, {50, 25})},
    };
    addTargets(3);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        Scanner fresh(clock, pointer, press);
        for (int i = 0; i < c.targets; ++i) {
            fresh.addTarget(&pictures[static_cast<std::size_t>(i)]);
        }
        pointer.moves.clear();
        presses.clear();
        for (const char* key = c.script; *key != 0; ++key) {
            *key == 's' ? fresh.step() : *key == 'e' ? fresh.select() : void();
            if (*key == 'c') {
                fresh.clearTargets();
                fresh.addTarget(&pictures[0]);
            }
        }
        EXPECT_EQ(pointer.moves, c.moves);
        EXPECT_EQ(presses, c.presses);
    }
}

// A step comes once more than the interval has passed since the last, never more often, and the
// loop is told to sleep exactly until then; also across the wrap of the millisecond clock.
TEST_F(ScannerTest, StepsByItselfOnceMoreThanTheIntervalHasPassedEvenAcrossTheClocksWrap) {
    addTargets(2);
    clock.advanceMilliseconds(0u - 1000u - clock.milliseconds());
    scanner.setIntervalMs(2000);
    EXPECT_EQ(scanner.nextTurn(), NextTurn::in(2001));
    std::vector<std::uint32_t> stepTurns;
    for (std::uint32_t turn = 1; turn <= 3 * 2001; ++turn) {
        clock.advanceMilliseconds(1);
        const std::size_t before = pointer.moves.size();
        scanner.tick();
        scanner.tick();
        if (pointer.moves.size() != before) {
            stepTurns.push_back(turn);
            EXPECT_EQ(scanner.nextTurn(), NextTurn::in(2001));
        }
    }
    EXPECT_EQ(stepTurns, (std::vector<std::uint32_t>{2001, 4002, 6003}));
}

// An interval of zero never steps (nothing moves by itself, nothing is due), and a huge one,
// even with the first target's delay on top, neither overflows into a step nor wakes the game.
TEST_F(ScannerTest, AnIntervalOfZeroNeverStepsAndAHugeOneNeverOverflows) {
    addTargets(2);
    scanner.setFirstTargetDelayMs(10'000);
    for (const std::uint32_t ms : {0u, 4'294'967'000u, UINT32_MAX}) {
        SCOPED_TRACE(ms);
        scanner.setIntervalMs(ms);
        scanner.restartFromFirst();
        EXPECT_EQ(scanner.nextTurn().isNever(), ms == 0);
        for (int turn = 0; turn < 600; ++turn) {
            clock.advanceMilliseconds(100);
            scanner.tick();
        }
    }
    EXPECT_EQ(pointer.moves, Points(3, {50, 25}));
}

// Sleeping until the scanner's next turn, as the game does: target 0 stays its delay longer, and
// a step waits for the cue the last step started, looking again every 50 ms, but never more than
// 10 s past its time; a sound the step did not start is not waited for.
TEST_F(ScannerTest, TheFirstTargetStaysLongerAndAStepWaitsForItsCueButNotForever) {
    const struct {
        std::uint32_t delay;
        std::uint32_t cueMs;
        bool cueStarted;
        std::vector<std::uint32_t> steps;
    } cases[] = {
        {700, 0, true, {1001, 2702, 3703, 5404}},
        {0, 1420, true, {1001, 2452, 3903, 5354}},
        {0, 60'000, true, {1001, 12'002, 23'003}},
        {0, 60'000, false, {1001, 2002, 3003}},
    };
    addTargets(2);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cueMs);
        const std::uint32_t start = clock.milliseconds();
        std::uint32_t cueEnd = 0;
        std::vector<std::uint32_t> steps;
        Scanner fresh(clock, pointer, press);
        fresh.addTarget(&pictures[0]);
        fresh.addTarget(&pictures[1]);
        fresh.setStepListener([&](std::size_t) {
            steps.push_back(clock.milliseconds() - start);
            cueEnd = clock.milliseconds() + c.cueMs;
            return c.cueStarted;
        });
        fresh.setCueSounding([&] { return clock.milliseconds() < cueEnd; });
        fresh.setFirstTargetDelayMs(c.delay);
        fresh.setIntervalMs(1000);
        while (steps.size() < c.steps.size()) {
            clock.advanceMilliseconds(*fresh.nextTurn().milliseconds());
            fresh.tick();
        }
        EXPECT_EQ(steps, c.steps);
    }
}

// Automatic scanning rests once every target has had its whole interval, as many rounds over as
// set, without a press; nothing more is due. Either switch then wakes it on target 0 and presses
// nothing. A press before the rest starts the count over. The listener hears every step.
TEST_F(ScannerTest, RestsAfterItsRoundsWithoutAPressAndAnySwitchWakesItOnTheFirstTarget) {
    const struct {
        int rounds;
        bool armed;          // put on target 0 first, as a screen does with one switch
        int spaceAfterSteps; // a step by the first switch after that many automatic steps; -1 none
        std::vector<int> heard;
        std::uint32_t delay = 0; // on target 0, whose showing still counts once
        bool startsOnPress = false;
    } cases[] = {
        {2, false, -1, {0, 1, 2, 0, 1, 2}},
        {1, true, 1, {0, 1, 2, 0, 1}},
        {0, true, -1, {0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1}}, // no rest
        {2, false, -1, {0, 1, 2, 0, 1, 2}, 500},
        {1, false, 3, {0, 1, 2}, 0, true}, // nothing before the first press
    };
    addTargets(3);
    for (const auto& c : cases) {
        for (const bool wakeBySpace : {true, false}) {
            SCOPED_TRACE(c.rounds);
            Scanner fresh(clock, pointer, press);
            for (const Picture& picture : pictures) {
                fresh.addTarget(&picture);
            }
            std::vector<int> heard;
            fresh.setStepListener([&](std::size_t target) {
                heard.push_back(int(target));
                return false;
            });
            fresh.setIntervalMs(1000);
            fresh.setFirstTargetDelayMs(c.delay);
            fresh.setRestAfterRounds(c.rounds);
            c.armed ? fresh.restartFromFirst() : void();
            c.startsOnPress ? fresh.startOnPress() : void();
            for (int step = 0; step < 10; ++step) {
                step == c.spaceAfterSteps ? fresh.step() : void();
                clock.advanceMilliseconds(1001 + c.delay);
                fresh.tick();
            }
            EXPECT_EQ(heard, c.heard);
            EXPECT_EQ(pointer.moves.back().first, c.heard.back() * 100 + 50);
            EXPECT_EQ(fresh.resting(), c.rounds != 0);
            if (c.rounds != 0) {
                EXPECT_EQ(fresh.nextTurn(), NextTurn::never());
                wakeBySpace ? fresh.step() : fresh.select();
                EXPECT_TRUE(presses.empty());
                EXPECT_EQ(pointer.moves.back(), (std::pair<int, int>{50, 25}));
                EXPECT_EQ(heard.back(), 0);
                EXPECT_EQ(fresh.nextTurn(), NextTurn::in(1001 + c.delay)); // target 0's whole time
            }
        }
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/input/Scanner.h"

#include "FakeClock.h"
#include "FakePointer.h"
#include "game/input/KeyTimeGuard.h"

#include <gtest/gtest.h>

using Points = std::vector<std::pair<int, int>>;

class ScannerTest : public ::testing::Test {
protected:
    // Seven targets 100 x 50, side by side from (0, 0): centres (50, 25), (150, 25), ...
    void addTargets(int count) {
        for (int i = 0; i < count; ++i) {
            Picture picture(clock);
            picture.setPosition(static_cast<float>(i * 100), 0);
            picture.setSize(100, 50);
            pictures.push_back(std::move(picture));
        }
        for (const Picture& picture : pictures) {
            scanner.addTarget(&picture);
        }
    }

    FakeClock clock;
    FakePointer pointer;
    std::vector<Picture> pictures;
    Scanner scanner{clock, pointer};
};

// Without targets nothing happens; a selection before any step, or with the cursor left beyond
// fewer new targets, presses the first.
TEST_F(ScannerTest, SelectingPressesATargetThatIsThereOrNone) {
    scanner.setInterval(1);
    clock.advanceMilliseconds(5000);
    scanner.tick();
    scanner.step();
    scanner.select();
    scanner.restartFromFirst();
    EXPECT_TRUE(pointer.moves.empty());
    EXPECT_TRUE(pointer.presses.empty());
    addTargets(4);
    scanner.select();
    EXPECT_EQ(scanner.cursor(), 0);
    for (int i = 0; i < 4; ++i) {
        scanner.step();
    }
    scanner.clearTargets();
    scanner.addTarget(&pictures[0]);
    scanner.select(); // the cursor (3) is past the one target left
    EXPECT_EQ(pointer.presses, (Points{{50, 25}, {50, 25}}));
}

TEST_F(ScannerTest, AfterASelectionTheNextStepVisitsTheSameTargetAgain) {
    addTargets(3);
    scanner.step();
    scanner.step(); // on target 1
    scanner.select();
    scanner.step(); // target 1 again
    scanner.step(); // then target 2
    scanner.step(); // and round to target 0
    EXPECT_EQ(pointer.presses, (Points{{150, 25}}));
    EXPECT_EQ(pointer.moves, (Points{{50, 25}, {150, 25}, {150, 25}, {250, 25}, {50, 25}}));
}

TEST_F(ScannerTest, StepsByItselfOnceMoreThanTheIntervalHasPassedEvenAcrossTheClocksWrap) {
    addTargets(7);
    const struct {
        std::uint32_t beforeWrap; // where the millisecond clock stands; 0: far from its wrap
        int seconds;
    } cases[] = {{0, 2}, {1000, 3}, {5000, 2}, {1, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.beforeWrap);
        if (c.beforeWrap != 0) {
            clock.advanceMilliseconds(0u - c.beforeWrap - clock.milliseconds());
        }
        pointer.moves.clear();
        const int firstTarget = scanner.cursor() % 7;
        scanner.setInterval(c.seconds);
        // Turns of a millisecond with two ticks each; the steps come when more than the interval
        // has passed since the last one, never more often.
        const std::uint32_t cycle = static_cast<std::uint32_t>(c.seconds) * 1000u + 1u;
        // The loop sleeps until the turn the scanner names: exactly the next step's.
        std::vector<std::uint32_t> stepTurns;
        EXPECT_EQ(scanner.nextTurn(), NextTurn::in(cycle));
        for (std::uint32_t turn = 1; turn <= 8 * cycle; ++turn) {
            clock.advanceMilliseconds(1);
            const std::size_t before = pointer.moves.size();
            scanner.tick();
            scanner.tick();
            if (pointer.moves.size() != before) {
                stepTurns.push_back(turn);
                EXPECT_EQ(scanner.nextTurn(), NextTurn::in(cycle));
            }
        }
        EXPECT_EQ(stepTurns,
                  (std::vector<std::uint32_t>{cycle, 2 * cycle, 3 * cycle, 4 * cycle, 5 * cycle,
                                              6 * cycle, 7 * cycle, 8 * cycle}));
        ASSERT_EQ(pointer.moves.size(), 8u);
        for (int i = 0; i < 8; ++i) { // round the seven targets and on
            EXPECT_EQ(pointer.moves[static_cast<std::size_t>(i)].first,
                      (firstTarget + i) % 7 * 100 + 50);
        }
    }
}

TEST_F(ScannerTest, AnIntervalOfZeroSecondsOrLessNeverStepsAndAHugeOneNeverOverflows) {
    addTargets(2);
    for (const int seconds : {0, -1, -3, 4'294'968, INT32_MAX}) {
        SCOPED_TRACE(seconds);
        scanner.setInterval(seconds);
        EXPECT_EQ(scanner.nextTurn().isNever(), seconds <= 0);
        for (int turn = 0; turn < 600; ++turn) {
            clock.advanceMilliseconds(100);
            scanner.tick();
        }
    }
    EXPECT_TRUE(pointer.moves.empty());
}

TEST_F(ScannerTest, RestartingFromTheFirstGoesToTargetZero) {
    addTargets(4);
    scanner.step();
    scanner.step();
    scanner.restartFromFirst();
    EXPECT_EQ(pointer.moves.back(), (std::pair<int, int>{50, 25}));
    EXPECT_EQ(scanner.cursor(), 1);
}

// Automatic scanning rests once as many targets as there are have had their whole interval, as
// many times over as set, without a press; the pointer stays where it is and nothing more is due.
// The next press of either switch wakes it on target 0 and presses nothing. A press before the
// rest starts the count over. The listener hears every step, of whatever kind.
TEST_F(ScannerTest, RestsAfterItsRoundsWithoutAPressAndAnySwitchWakesItOnTheFirstTarget) {
    const struct {
        const char* what;
        int rounds;
        bool armed;          // put on target 0 first, as a screen does with one switch
        int spaceAfterSteps; // a step by the first switch after that many automatic steps; -1 none
        std::vector<int> visited; // the targets visited, by every kind of step
    } cases[] = {
        {"from no target", 1, false, -1, {0, 1, 2}},
        {"armed on the first", 1, true, -1, {0, 1, 2}},
        {"two rounds", 2, true, -1, {0, 1, 2, 0, 1, 2}},
        {"a press starts the count over", 1, true, 1, {0, 1, 2, 0, 1}},
        {"no rest", 0, true, -1, {0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1}},
    };
    addTargets(3);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const bool wakeBySpace : {true, false}) {
            pointer.moves.clear();
            Scanner fresh(clock, pointer); // no target shown yet
            for (const Picture& picture : pictures) {
                fresh.addTarget(&picture);
            }
            std::vector<int> heard;
            fresh.setStepListener(
                [&](std::size_t target) { heard.push_back(static_cast<int>(target)); });
            fresh.setInterval(1);
            fresh.setRestAfterRounds(c.rounds);
            if (c.armed) {
                fresh.restartFromFirst();
            }
            for (int step = 0; step < 10; ++step) {
                if (step == c.spaceAfterSteps) {
                    fresh.step();
                }
                clock.advanceMilliseconds(1001);
                fresh.tick();
            }
            EXPECT_EQ(heard, c.visited);
            ASSERT_EQ(pointer.moves.size(), c.visited.size());
            EXPECT_EQ(pointer.moves.back().first, c.visited.back() * 100 + 50);
            EXPECT_EQ(fresh.resting(), c.rounds != 0);
            if (c.rounds == 0) {
                continue;
            }
            EXPECT_EQ(fresh.nextTurn(), NextTurn::never());
            wakeBySpace ? fresh.step() : fresh.select();
            EXPECT_TRUE(pointer.presses.empty());
            EXPECT_EQ(pointer.moves.back(), (std::pair<int, int>{50, 25}));
            EXPECT_EQ(heard.back(), 0);
            EXPECT_FALSE(fresh.resting());
            EXPECT_EQ(fresh.nextTurn(), NextTurn::in(1001)); // a whole interval on target 0
        }
    }
}

TEST(KeyTimeGuard, IgnoresPressesSoonerThanTheKeyTime) {
    FakeClock clock;
    std::uint32_t last = 0; // never pressed: far in the past
    EXPECT_TRUE(acceptPressAfterKeyTime(clock, last, 0.2f));
    clock.advanceMilliseconds(199);
    EXPECT_FALSE(acceptPressAfterKeyTime(clock, last, 0.2f));
    clock.advanceMilliseconds(1);
    EXPECT_TRUE(acceptPressAfterKeyTime(clock, last, 0.2f)); // 200 ms: not fewer than 0.2 s
    clock.advanceMilliseconds(999);
    EXPECT_FALSE(acceptPressAfterKeyTime(clock, last, 1.0f));
    EXPECT_EQ(last, clock.milliseconds() - 999); // a refused press does not move the mark
}

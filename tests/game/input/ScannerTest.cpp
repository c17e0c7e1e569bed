#include "game/input/KeyTimeGuard.h"
#include "game/input/Scanner.h"

#include "FakeClock.h"
#include "FakePointer.h"

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

TEST_F(ScannerTest, EnterBeforeAnyStepPressesTheFirstTarget) {
    addTargets(3);
    scanner.select();
    EXPECT_EQ(pointer.presses, (Points{{50, 25}}));
    EXPECT_EQ(scanner.cursor(), 0);
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

TEST_F(ScannerTest, StepsByItselfOncePerIntervalAndWraps) {
    addTargets(7);
    scanner.setInterval(2);
    clock.advanceMilliseconds(2000);
    scanner.tick(); // exactly the step time is not later than it
    EXPECT_TRUE(pointer.moves.empty());
    for (int i = 0; i < 8; ++i) {
        clock.advanceMilliseconds(i == 0 ? 1 : 2001);
        scanner.tick();
        scanner.tick(); // a second tick in the same moment does nothing
    }
    ASSERT_EQ(pointer.moves.size(), 8u);
    EXPECT_EQ(pointer.moves[6], (std::pair<int, int>{650, 25}));
    EXPECT_EQ(pointer.moves[7], (std::pair<int, int>{50, 25}));
}

TEST_F(ScannerTest, AnIntervalOfZeroSecondsNeverSteps) {
    addTargets(2);
    scanner.setInterval(0);
    clock.advanceMilliseconds(60'000);
    scanner.tick();
    EXPECT_TRUE(pointer.moves.empty());
}

TEST_F(ScannerTest, WithoutTargetsNothingHappensAndNothingBreaks) {
    scanner.setInterval(1);
    clock.advanceMilliseconds(5000);
    scanner.tick();
    scanner.step();
    scanner.select();
    scanner.restartFromFirst();
    EXPECT_TRUE(pointer.moves.empty());
    EXPECT_TRUE(pointer.presses.empty());
}

TEST_F(ScannerTest, RestartingFromTheFirstGoesToTargetZero) {
    addTargets(4);
    scanner.step();
    scanner.step();
    scanner.restartFromFirst();
    EXPECT_EQ(pointer.moves.back(), (std::pair<int, int>{50, 25}));
    EXPECT_EQ(scanner.cursor(), 1);
}

TEST_F(ScannerTest, ACursorLeftBeyondFewerNewTargetsStaysInside) {
    addTargets(4);
    for (int i = 0; i < 4; ++i) {
        scanner.step();
    }
    scanner.clearTargets();
    scanner.addTarget(&pictures[0]);
    scanner.select(); // the cursor (3) is past the one target left
    EXPECT_EQ(pointer.presses, (Points{{50, 25}}));
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

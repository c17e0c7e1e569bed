// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/platform/sdl/SdlClock.h"

#include "FakeClock.h"

#include <SDL.h>
#include <ctime>
#include <gtest/gtest.h>

TEST(SdlClock, RunsForwardAtItsStatedRate) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_TIMER), 0) << SDL_GetError();
    SdlClock clock;
    const std::uint32_t startMs = clock.milliseconds();
    const std::uint64_t startCount = clock.performanceCounter();
    SDL_Delay(30);
    const std::uint32_t elapsedMs = elapsedMilliseconds(clock.milliseconds(), startMs);
    const double elapsedCounted = static_cast<double>(clock.performanceCounter() - startCount) /
                                  static_cast<double>(clock.performanceFrequency());
    EXPECT_GE(elapsedMs, 25u);
    EXPECT_GE(elapsedCounted, 0.025);
    EXPECT_LE(std::abs(clock.wallSeconds() - static_cast<double>(std::time(nullptr))), 2.0);
    SDL_QuitSubSystem(SDL_INIT_TIMER);
}

TEST(Clock, MillisecondDifferencesHoldAcrossTheWrap) {
    EXPECT_EQ(elapsedMilliseconds(5, 0xFFFFFFF0u), 21u);
    FakeClock clock;
    const std::uint32_t before = clock.milliseconds();
    EXPECT_GT(before, 60'000u); // a last press at time 0 lies far in the past
    clock.advanceMilliseconds(1500);
    EXPECT_EQ(elapsedMilliseconds(clock.milliseconds(), before), 1500u);
}

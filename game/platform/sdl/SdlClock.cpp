// SPDX-License-Identifier: GPL-3.0-or-later
#include "SdlClock.h"

#include <SDL.h>
#include <ctime>

std::uint32_t SdlClock::milliseconds() const {
    return SDL_GetTicks();
}

std::uint64_t SdlClock::performanceCounter() const {
    return SDL_GetPerformanceCounter();
}

std::uint64_t SdlClock::performanceFrequency() const {
    return SDL_GetPerformanceFrequency();
}

std::uint32_t SdlClock::wallSeconds() const {
    return static_cast<std::uint32_t>(std::time(nullptr));
}

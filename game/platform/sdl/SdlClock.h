// SPDX-License-Identifier: GPL-3.0-or-later
// The real clocks, from SDL's timer and the system's wall clock. Needs SDL's timer started.
#pragma once

#include "game/platform/Clock.h"

class SdlClock : public Clock {
public:
    std::uint32_t milliseconds() const override;
    std::uint64_t performanceCounter() const override;
    std::uint64_t performanceFrequency() const override;
    std::uint32_t wallSeconds() const override;
};

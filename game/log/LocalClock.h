// SPDX-License-Identifier: GPL-3.0-or-later
// The wall clock in local time, to the millisecond, that the session log stamps its rows with.
// The log is handed one, so tests stamp rows with times of their own choosing.
#pragma once

#include "common/content/LocalTime.h"

class LocalClock {
public:
    virtual ~LocalClock() = default;
    virtual LocalTime now() const = 0;
};

// The system's wall clock in the user's time zone.
class SystemLocalClock : public LocalClock {
public:
    LocalTime now() const override;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The wall clock in local time, to the millisecond, that the session log stamps its rows with.
// The log is handed one, so tests stamp rows with times of their own choosing.
#pragma once

struct LocalTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

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

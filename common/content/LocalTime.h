// SPDX-License-Identifier: GPL-3.0-or-later
// A moment of the wall clock in local time, to the millisecond: what the session log stamps its
// rows with and reads back from them.
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

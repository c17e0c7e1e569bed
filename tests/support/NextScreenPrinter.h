// SPDX-License-Identifier: GPL-3.0-or-later
// Lets test failures name what a screen asked for (Stay, Quit, or a screen's number) rather than
// show its bytes.
#pragma once

#include "game/screen/NextScreen.h"

#include <ostream>

inline void PrintTo(const NextScreen& next, std::ostream* out) {
    if (next.stays()) {
        *out << "Stay";
    } else if (next.quits()) {
        *out << "Quit";
    } else {
        *out << "screen " << static_cast<int>(*next.screen());
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "HoldToLeave.h"

bool HoldToLeave::press(Source source) {
    if (!locked_) {
        return true;
    }
    if (!holding_) {
        holding_ = true;
        source_ = source;
        holdStart_ = clock_.milliseconds();
    }
    return false;
}

bool HoldToLeave::heldLongEnough() {
    if (!holding_ || !nextTurn().isNow()) {
        return false;
    }
    holding_ = false;
    return true;
}

NextTurn HoldToLeave::nextTurn() const {
    return holding_ ? NextTurn::after(clock_.milliseconds(), holdStart_, holdSpan_)
                    : NextTurn::never();
}

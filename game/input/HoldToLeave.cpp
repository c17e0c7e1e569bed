// SPDX-License-Identifier: GPL-3.0-or-later
#include "HoldToLeave.h"

#include "common/content/AccessSettings.h"

namespace {

// NextTurn::after finds a span over once more than it has elapsed: the hold ends at its mark.
constexpr std::uint32_t kHoldSpan = AccessSettings::kLockHoldMilliseconds - 1;

} // namespace

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
    return holding_ ? NextTurn::after(clock_.milliseconds(), holdStart_, kHoldSpan)
                    : NextTurn::never();
}

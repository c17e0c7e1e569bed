// SPDX-License-Identifier: GPL-3.0-or-later
// The way out of an activity or the game: Esc or a press of a stop button. Unlocked it leaves at
// once; under the lock a child cannot undo it leaves only once the press has been held for the
// adult's lock hold time, so a child's brief press does nothing while an adult who knows holds it
// and lets go when the screen changes.
#pragma once

#include "game/platform/Clock.h"
#include "game/platform/NextTurn.h"

#include <cstdint>

class HoldToLeave {
public:
    // `holdMilliseconds`: how long a press is held under the lock; at least 1.
    HoldToLeave(const Clock& clock, bool locked, std::uint32_t holdMilliseconds)
        : clock_(clock), locked_(locked), holdSpan_(holdMilliseconds - 1) {}

    // What holds: a key (Esc, or the switch that chose the stop button), or the pointer's button
    // on the stop button.
    enum Source { Key, Pointer };

    // A press that asks to leave. True when it leaves at once (unlocked); under the lock it
    // starts the hold, unless one is already running: a key's auto-repeat, or a second press
    // while the first is held, neither restarts nor shortens it.
    bool press(Source source);
    // Any release ends the hold: the press must be held alone and without a break.
    void release() { holding_ = false; }
    // The pointer left the stop button: a hold by the pointer ends.
    void pointerLeft() {
        if (source_ == Pointer) {
            release();
        }
    }
    // True once, in the first turn at which the running hold has lasted its time.
    bool heldLongEnough();
    // When heldLongEnough turns true; never without a running hold.
    NextTurn nextTurn() const;

    bool locked() const { return locked_; }
    // A hold is running.
    bool holding() const { return holding_; }

private:
    const Clock& clock_;
    bool locked_;
    // NextTurn::after finds a span over once more than it has elapsed: the hold ends at its mark.
    std::uint32_t holdSpan_;
    bool holding_ = false;
    Source source_ = Key;
    std::uint32_t holdStart_ = 0;
};

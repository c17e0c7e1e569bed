// SPDX-License-Identifier: GPL-3.0-or-later
#include "Scanner.h"

#include <algorithm>
#include <limits>

void Scanner::clearTargets() {
    targets_.clear();
    targets_.shrink_to_fit();
    unframe();
}

void Scanner::unframe() {
    cursor_ = 0;
    onTarget_ = false;
}

void Scanner::setRestAfterRounds(int rounds) {
    restAfterRounds_ = std::max(rounds, 0);
    wholeShowings_ = 0;
}

void Scanner::setInterval(int seconds) {
    // A hand-edited settings file may hold any number: below zero switches the scanning off like
    // zero, and the longest interval is the longest the millisecond clock can measure.
    constexpr int kLongest = static_cast<int>(std::numeric_limits<std::uint32_t>::max() / 1000u);
    interval_ = static_cast<std::uint32_t>(std::clamp(seconds, 0, kLongest)) * 1000u;
    restartTimer();
}

void Scanner::restartTimer() {
    if (interval_ != 0) {
        waitStart_ = clock_.milliseconds();
    }
}

void Scanner::tick() {
    if (interval_ == 0 || resting_) {
        return;
    }
    if (elapsedMilliseconds(clock_.milliseconds(), waitStart_) > interval_) {
        if (restAfterRounds_ > 0 && onTarget_ && !targets_.empty()) {
            // The target the pointer is on has had its whole interval.
            ++wholeShowings_;
            if (wholeShowings_ >= static_cast<std::size_t>(restAfterRounds_) * targets_.size()) {
                resting_ = true;
                return;
            }
        }
        advance();
        waitStart_ = clock_.milliseconds();
    }
}

NextTurn Scanner::nextTurn() const {
    if (interval_ == 0 || resting_) {
        return NextTurn::never();
    }
    return NextTurn::after(clock_.milliseconds(), waitStart_, interval_);
}

void Scanner::step() {
    if (!press()) {
        advance();
    }
}

void Scanner::advance() {
    if (targets_.empty()) {
        return;
    }
    // The cursor is the framed target: a step moves on from it, a first step frames it.
    if (onTarget_) {
        ++cursor_;
    }
    if (static_cast<std::size_t>(static_cast<unsigned>(cursor_)) >= targets_.size()) {
        cursor_ = 0; // round again from the first
    }
    const Picture& target = *targets_[static_cast<std::size_t>(cursor_)];
    pointer_.moveTo(static_cast<int>(target.centreX()), static_cast<int>(target.centreY()));
    onTarget_ = true;
    if (stepListener_) {
        stepListener_(static_cast<std::size_t>(cursor_));
    }
}

void Scanner::select() {
    if (press() || targets_.empty()) {
        return;
    }
    // The cursor stays on the target pressed, however often the switch comes. A cursor past the
    // end (targets replaced by fewer) presses the first, where the next step would go.
    const auto cursor = static_cast<std::size_t>(static_cast<unsigned>(cursor_));
    const std::size_t index = cursor < targets_.size() ? cursor : 0;
    const Picture& target = *targets_[index];
    if (press_ && pointer_.takesPresses()) {
        press_(static_cast<int>(target.centreX()), static_cast<int>(target.centreY()));
    }
}

void Scanner::restartFromFirst() {
    unframe();
    wholeShowings_ = 0;
    resting_ = false;
    advance();
}

bool Scanner::press() {
    wholeShowings_ = 0;
    if (!resting_) {
        return false;
    }
    restartFromFirst();
    restartTimer();
    return true;
}

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
    cueStarted_ = false;
}

void Scanner::setRestAfterRounds(int rounds) {
    restAfterRounds_ = std::max(rounds, 0);
    wholeShowings_ = 0;
}

void Scanner::setIntervalMs(std::uint32_t milliseconds) {
    interval_ = milliseconds;
    restartTimer();
}

void Scanner::restartTimer() {
    if (interval_ != 0) {
        waitStart_ = clock_.milliseconds();
    }
}

std::uint32_t Scanner::showingTime() const {
    // Kept below the clock's wrap, beyond which the elapsed time could never pass it.
    constexpr std::uint64_t kLongest = std::numeric_limits<std::uint32_t>::max() - 1u;
    const std::uint64_t delay = onTarget_ && cursor_ == 0 ? firstTargetDelay_ : 0u;
    return static_cast<std::uint32_t>(std::min(std::uint64_t{interval_} + delay, kLongest));
}

bool Scanner::waitingForCue(std::uint32_t elapsed) const {
    return cueStarted_ && cueSounding_ &&
           std::uint64_t{elapsed} <= std::uint64_t{showingTime()} + kLongestCueWaitMs &&
           cueSounding_();
}

void Scanner::tick() {
    if (interval_ == 0 || resting_) {
        return;
    }
    const std::uint32_t elapsed = elapsedMilliseconds(clock_.milliseconds(), waitStart_);
    if (elapsed > showingTime() && !waitingForCue(elapsed)) {
        if (restAfterRounds_ > 0 && onTarget_ && !targets_.empty()) {
            // The target the pointer is on has had its whole time.
            ++wholeShowings_;
            if (wholeShowings_ >= static_cast<std::size_t>(restAfterRounds_) * targets_.size()) {
                resting_ = true;
                tell(Moment::Rested);
                return;
            }
        }
        if (onTarget_) {
            tell(Moment::LeftUnpressed);
        }
        advance();
        waitStart_ = clock_.milliseconds();
    }
}

NextTurn Scanner::nextTurn() const {
    if (interval_ == 0 || resting_) {
        return NextTurn::never();
    }
    const std::uint32_t now = clock_.milliseconds();
    const NextTurn due = NextTurn::after(now, waitStart_, showingTime());
    return due.isNow() && waitingForCue(elapsedMilliseconds(now, waitStart_))
               ? NextTurn::in(kCuePollMs)
               : due;
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
    cueStarted_ = stepListener_ && stepListener_(static_cast<std::size_t>(cursor_));
    tell(Moment::Framed);
}

void Scanner::tell(Moment moment) const {
    if (watcher_) {
        watcher_(moment, static_cast<std::size_t>(static_cast<unsigned>(cursor_)));
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
    tell(Moment::Woken);
    restartFromFirst();
    restartTimer();
    return true;
}

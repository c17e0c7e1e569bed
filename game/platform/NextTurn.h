// SPDX-License-Identifier: GPL-3.0-or-later
// When a screen next needs a turn of the main loop although no input comes: now (it animates or
// has something to do), in some milliseconds (a timer runs out), or never (it only answers
// input). Between those moments the loop sleeps, so an idle game costs next to nothing.
#pragma once

#include "game/platform/Clock.h"

#include <algorithm>
#include <cstdint>
#include <optional>

class NextTurn {
public:
    static constexpr NextTurn now() { return NextTurn(0); }
    static constexpr NextTurn in(std::uint32_t milliseconds) { return NextTurn(milliseconds); }
    static constexpr NextTurn never() { return NextTurn(); }
    // The turn in which a timer that began at `since` finds that more than `span` has elapsed,
    // the way the screens test their timers: now once it has.
    static NextTurn after(std::uint32_t now, std::uint32_t since, std::uint32_t span) {
        const std::uint32_t elapsed = elapsedMilliseconds(now, since);
        return elapsed > span ? NextTurn::now() : NextTurn::in(span - elapsed + 1);
    }

    // The earlier of the two.
    constexpr NextTurn soonest(NextTurn other) const {
        if (!wait_) {
            return other;
        }
        if (!other.wait_) {
            return *this;
        }
        return NextTurn(std::min(*wait_, *other.wait_));
    }

    constexpr bool isNow() const { return wait_ == 0u; }
    constexpr bool isNever() const { return !wait_; }
    // The milliseconds to wait; empty for never.
    constexpr std::optional<std::uint32_t> milliseconds() const { return wait_; }

    constexpr bool operator==(const NextTurn&) const = default;

private:
    constexpr NextTurn() = default;
    constexpr explicit NextTurn(std::uint32_t milliseconds) : wait_(milliseconds) {}

    std::optional<std::uint32_t> wait_;
};

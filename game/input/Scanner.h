// SPDX-License-Identifier: GPL-3.0-or-later
// Switch access for screens where the child points at one of several pictures: the scanner
// moves the real pointer from target to target (by a switch press, or by itself every few
// seconds with one switch) and turns a selection into a real button press on the current
// target. The screen's ordinary hover and press handling does the rest.
#pragma once

#include "game/gfx/Picture.h"
#include "game/platform/Clock.h"
#include "game/platform/NextTurn.h"
#include "game/platform/Pointer.h"

#include <cstdint>
#include <vector>

class Scanner {
public:
    Scanner(const Clock& clock, Pointer& pointer) : clock_(clock), pointer_(pointer) {}

    // The pictures stay the screen's; they must outlive their use here.
    void addTarget(const Picture* picture) { targets_.push_back(picture); }
    // The cursor, interval and times stay.
    void clearTargets();
    // Automatic stepping every `seconds`, measured from now; 0 or less switches it off.
    void setInterval(int seconds);
    void restartTimer();
    // The automatic step, called from the screen's update every turn.
    void tick();
    // The turn in which tick steps next; never without automatic stepping.
    NextTurn nextTurn() const;
    // Moves the pointer to the next target; nothing without targets.
    void step();
    // Presses the current target (target 0 before any step); nothing without targets.
    void select();
    // Back to target 0, as if freshly armed.
    void restartFromFirst();

    int cursor() const { return cursor_; }
    std::size_t targetCount() const { return targets_.size(); }

private:
    const Clock& clock_;
    Pointer& pointer_;
    std::vector<const Picture*> targets_;
    int cursor_ = 0;
    std::uint32_t interval_ = 0;
    // When the wait for the next automatic step began; it steps once more than the interval has
    // elapsed.
    std::uint32_t waitStart_ = 0;
};

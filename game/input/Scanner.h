// SPDX-License-Identifier: GPL-3.0-or-later
// Switch access for screens where the child points at one of several pictures: the scanner
// moves the real pointer from target to target (by a switch press, or by itself every few
// seconds with one switch) and turns a selection into a button press on the current target,
// handed to what the screen gave it for a press. The screen's ordinary hover and press handling
// does the rest. Automatic scanning may stay longer on the first target, wait for each step's
// sound to end, wait for a first press before it starts and rest after a number of rounds
// without a press; every step is told to the screen so it can give the step a sound.
#pragma once

#include "game/gfx/Picture.h"
#include "game/platform/Clock.h"
#include "game/platform/NextTurn.h"
#include "game/platform/Pointer.h"

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

class Scanner {
public:
    // What a press at a window position of the game space does: the screen's own button press.
    using Press = std::function<void(int x, int y)>;

    Scanner(const Clock& clock, Pointer& pointer, Press press)
        : clock_(clock), pointer_(pointer), press_(std::move(press)) {}

    // The pictures stay the screen's; they must outlive their use here.
    void addTarget(const Picture* picture) { targets_.push_back(picture); }
    // The cursor, interval and times stay.
    void clearTargets();
    // Automatic stepping every `milliseconds`, measured from now; 0 switches it off.
    void setIntervalMs(std::uint32_t milliseconds);
    // How much longer automatic stepping stays on target 0 once it is framed, so that a child has
    // time to get ready at the start of every round.
    void setFirstTargetDelayMs(std::uint32_t milliseconds) { firstTargetDelay_ = milliseconds; }
    // While `sounding` says so, the sound a step started (its cue) still plays: the automatic step
    // then waits for it to end, looking again every kCuePollMs, but never more than
    // kLongestCueWaitMs past its time, in case the sound never tells that it ended.
    void setCueSounding(std::function<bool()> sounding) { cueSounding_ = std::move(sounding); }
    // Automatic scanning begins as if resting: nothing is due until a first press wakes it.
    // Nothing without automatic stepping, so it comes after setIntervalMs.
    void startOnPress() { resting_ = interval_ != 0; }
    void restartTimer();
    // The automatic step, called from the screen's update every turn.
    void tick();
    // The turn in which tick steps next (or looks again whether the cue has ended); never without
    // automatic stepping.
    NextTurn nextTurn() const;
    // The first switch: moves the pointer to the next target; nothing without targets.
    void step();
    // The second switch: presses the framed target (target 0 before any step) and stays on it, so
    // that every press chooses what the child sees framed and the next step moves on; nothing
    // without targets, and nothing while the game window is not the active one.
    void select();
    // Back to target 0, as if freshly armed.
    void restartFromFirst();

    // Told the index of the target the pointer was moved to, after every step of any kind; it
    // answers whether it started a sound for the step (the cue an automatic step may wait for).
    using StepListener = std::function<bool(std::size_t target)>;
    void setStepListener(StepListener listener) { stepListener_ = std::move(listener); }
    // What the scanning did, for a watcher that keeps a record of it: a step of any kind framed
    // the target; an automatic step left it with no press while it was framed; the automatic
    // scanning came to rest on it; a press woke the resting scanning (before it frames again).
    enum class Moment { Framed, LeftUnpressed, Rested, Woken };
    using Watcher = std::function<void(Moment moment, std::size_t target)>;
    void setWatcher(Watcher watcher) { watcher_ = std::move(watcher); }
    // Automatic scanning rests after `rounds` complete rounds without a press; 0 never rests. A
    // round is complete when every target has been shown for its whole time, one after the
    // other (as many whole showings as there are targets, wherever they began). Resting, the
    // pointer stays on the target it was on and nothing more is due.
    void setRestAfterRounds(int rounds);
    bool resting() const { return resting_; }
    // A press of any switch (step and select call it themselves): the rounds are counted anew.
    // While resting it wakes the scanning on target 0 with a fresh interval and returns true: the
    // press has then done its work and chooses nothing.
    bool press();

    // The framed target, or the one a select presses before any step.
    int cursor() const { return cursor_; }
    // Whether a step has put the pointer on the cursor's target since the targets were last set.
    bool framing() const { return onTarget_; }
    std::size_t targetCount() const { return targets_.size(); }

    static constexpr std::uint32_t kCuePollMs = 50;
    static constexpr std::uint32_t kLongestCueWaitMs = 10'000;

private:
    // Moves the pointer to the next target (to the cursor's own when nothing is framed yet) and
    // tells the listener.
    void advance();
    // Nothing framed, the cursor on the first target: a select before the next step presses it,
    // and the next step frames it.
    void unframe();
    // How long the framed target is shown before the automatic step is due: the interval, and
    // the first target's delay on target 0; never more than the millisecond clock can measure.
    std::uint32_t showingTime() const;
    // Whether the automatic step, due after `elapsed`, still waits for the step's cue.
    bool waitingForCue(std::uint32_t elapsed) const;
    // Tells the watcher, if there is one, of a moment on the cursor's target.
    void tell(Moment moment) const;

    const Clock& clock_;
    Pointer& pointer_;
    Press press_;
    std::vector<const Picture*> targets_;
    int cursor_ = 0;
    std::uint32_t interval_ = 0;
    std::uint32_t firstTargetDelay_ = 0;
    // When the wait for the next automatic step began; it steps once more than the showing time
    // has elapsed.
    std::uint32_t waitStart_ = 0;
    StepListener stepListener_;
    Watcher watcher_;
    std::function<bool()> cueSounding_;
    // Whether the listener started a sound for the last step.
    bool cueStarted_ = false;
    int restAfterRounds_ = 0;
    // Whether a step has put the pointer on one of the current targets.
    bool onTarget_ = false;
    // Targets shown for their whole time by automatic scanning since the last press or arming.
    std::size_t wholeShowings_ = 0;
    bool resting_ = false;
};

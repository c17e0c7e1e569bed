// SPDX-License-Identifier: GPL-3.0-or-later
// The game's one thread of control. Each turn takes at most one message, fits it to the child's
// switch timing and hands what comes of it (it may be nothing, or a press held back until now) to
// the current screen, then calls update, then either draw or the screen factory. Screens move
// things by elapsed time, never by turns, so the pace of the turns changes nothing they show.
// Between turns the loop sleeps until a message comes, a held-back press comes due or the
// screen's next turn is due.
#pragma once

#include "game/input/InputEvent.h"
#include "game/shell/ScreenFactory.h"

#include <optional>

class EventSource {
public:
    virtual ~EventSource() = default;
    // The next message: at once when one is waiting, else the first that comes within `wait`;
    // empty when none came.
    virtual std::optional<InputEvent> next(NextTurn wait) = 0;
};

class FrameSink {
public:
    virtual ~FrameSink() = default;
    // Called at the end of every turn on a screen that stays: shows the frame if it changed, and
    // a frame held back within a display refresh once the refresh has passed.
    virtual void endTurn() = 0;
    // When the loop must run its next turn, given when the screen wants it: a screen that
    // animates gets a turn once per display refresh, no more, and a frame held back within a
    // refresh gets the turn that shows it.
    virtual NextTurn pace(NextTurn screen) const { return screen; }
    // Called before the next screen is built: what would delay its first frame (decoding its
    // music) may wait until that frame is shown.
    virtual void screenChanging() {}
    // Called before a press reaches the screen: what would delay the frame that answers it
    // (opening the sound device, decoding a sound) may wait until that frame is shown.
    virtual void pressTaken() {}
};

struct DrawingSurfaces {
    Graphics& offscreen;
    Graphics& window;
    Image& offscreenImage;
};

// Hands one message to the screen; nothing without a screen.
void dispatch(const InputEvent& event, Screen* screen);

// Runs until a screen asks to quit or the system asks the program to end. The factory must hold
// the first screen, already begun.
void runMainLoop(ScreenFactory& factory, EventSource& events, FrameSink& frames,
                 DrawingSurfaces surfaces);

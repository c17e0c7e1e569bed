// SPDX-License-Identifier: GPL-3.0-or-later
// Writes to the session log every press the current screen takes as a switch, named by where it
// came from: Space the first switch, Enter the second, a key from a controller button the
// controller, a game mouse button the mouse, and on the screens that take any key as their
// switch any other key by its name. Esc, the keys a screen passes over and the adult's options
// screen make no row. A key held down counts once, however often the keyboard repeats it.
#pragma once

#include "common/content/GameScreen.h"
#include "game/input/InputEvent.h"
#include "game/log/SessionLog.h"

#include <bitset>

class PressLog {
public:
    explicit PressLog(SessionLog& log) : log_(log) {}

    // One message as the switch timing hands it to `screen`.
    void take(const InputEvent& event, GameScreen screen);

private:
    SessionLog& log_;
    std::bitset<256> heldKeys_;
};

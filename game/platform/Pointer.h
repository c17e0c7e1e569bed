// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse pointer as the scanner uses it: moved to a window position of the 800 x 600 game
// space, and pressed there. A move comes back to the screen later as an ordinary pointer-move
// event, as it would from a real mouse.
#pragma once

class Pointer {
public:
    virtual ~Pointer() = default;
    virtual void moveTo(int x, int y) = 0;
    // A left-button press at (x, y) delivered at once to the current screen's mouseDown, when
    // the game window is the active one; nothing otherwise.
    virtual void pressAt(int x, int y) = 0;
};

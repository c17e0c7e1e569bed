// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse pointer as the scanner uses it: moved to a window position of the 800 x 600 game
// space. A move comes back to the screen later as an ordinary pointer-move event, as it would
// from a real mouse.
#pragma once

class Pointer {
public:
    virtual ~Pointer() = default;
    virtual void moveTo(int x, int y) = 0;
    // Whether a press made now reaches the game: only while the game window is the active one,
    // as a real button press goes to the window in front.
    virtual bool takesPresses() const = 0;
};

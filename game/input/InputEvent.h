// SPDX-License-Identifier: GPL-3.0-or-later
// One message for the current screen, as the platform back end delivers it: keys with
// Windows virtual-key codes, buttons and moves in the 800 x 600 game space. A switch interface
// that is a game controller arrives as the key of the switch its button stands for.
#pragma once

struct InputEvent {
    enum Type { KeyDown, KeyUp, MouseDown, MouseUp, MouseMove, Quit };
    Type type = KeyDown;
    int key = 0;
    int x = 0;
    int y = 0;
    // A key that came from a controller button, not the keyboard.
    bool fromController = false;
};

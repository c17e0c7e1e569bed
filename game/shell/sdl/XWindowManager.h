// SPDX-License-Identifier: GPL-3.0-or-later
// Tells whether a window manager runs on the game's X display. Without one (a kiosk started
// straight on the X server) no one gives a full-screen window the screen's size, so the game
// covers the screen with a borderless window of its own size instead.
#pragma once

// True on any display but X11, and when the X server cannot be asked: only a display seen to
// have no window manager is treated as one without.
bool hasWindowManager();

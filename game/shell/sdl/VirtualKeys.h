// SPDX-License-Identifier: GPL-3.0-or-later
// Turns SDL key events into the Windows virtual-key codes the screens know (Esc 27, Enter 13,
// Space 32, letters 65 to 90, ...). Every key gives some code, so any key works as a switch.
#pragma once

#include <SDL.h>

// The code for a key, by its position on the keyboard.
int virtualKeyFor(SDL_Scancode scancode);

// Keys the system keeps for itself (Alt combinations, Alt alone, F10) never reach a screen.
bool isSystemKey(const SDL_Keysym& key);

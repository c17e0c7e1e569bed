// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the screens of a factory in the game's window until one quits or the system ends the
// game: the first screen built and begun, the pointer's own cursor, a window destroyed by another
// program taken as the end, and the screens closed at the end.
#pragma once

#include "game/gfx/sdl/SdlSurfaces.h"
#include "game/shell/MainLoop.h"
#include "game/shell/ScreenFactory.h"
#include "game/shell/sdl/SdlEventSource.h"

#include <SDL.h>

void runScreens(ScreenFactory& factory, ScreenId first, SDL_Window* window, SdlSurfaces& surfaces,
                SdlEventSource& events, FrameSink& frames);

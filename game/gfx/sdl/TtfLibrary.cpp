// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/sdl/TtfLibrary.h"

#include <SDL_ttf.h>

// SDL_ttf counts its starts itself.
TtfLibrary::TtfLibrary() : started_(TTF_Init() == 0) {}

TtfLibrary::~TtfLibrary() {
    if (started_) {
        TTF_Quit();
    }
}

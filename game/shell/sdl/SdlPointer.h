// SPDX-License-Identifier: GPL-3.0-or-later
// Moves the real pointer for the scanner, converting from the 800 x 600 game space to the
// window, and tells whether the game window would take a press.
#pragma once

#include "game/platform/Pointer.h"
#include "game/shell/sdl/SdlEventSource.h"

#include <SDL.h>

class SdlPointer : public Pointer {
public:
    SdlPointer(SDL_Window* window, SDL_Renderer* renderer, SdlEventSource& events)
        : window_(window), renderer_(renderer), events_(events) {}

    void moveTo(int x, int y) override;
    bool takesPresses() const override;

private:
    SDL_Window* window_;
    SDL_Renderer* renderer_;
    SdlEventSource& events_;
};

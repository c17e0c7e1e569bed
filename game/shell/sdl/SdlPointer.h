// SPDX-License-Identifier: GPL-3.0-or-later
// Moves the real pointer for the scanner, converting from the 800 x 600 game space to the
// window, and presses it by handing a button press straight to the current screen.
#pragma once

#include "game/platform/Pointer.h"
#include "game/shell/ScreenFactory.h"
#include "game/shell/sdl/SdlEventSource.h"

#include <SDL.h>

class SdlPointer : public Pointer {
public:
    SdlPointer(SDL_Window* window, SDL_Renderer* renderer, SdlEventSource& events)
        : window_(window), renderer_(renderer), events_(events) {}

    // The screens that presses go to; set once the factory exists.
    void setFactory(ScreenFactory* factory) { factory_ = factory; }

    void moveTo(int x, int y) override;
    void pressAt(int x, int y) override;

private:
    SDL_Window* window_;
    SDL_Renderer* renderer_;
    SdlEventSource& events_;
    ScreenFactory* factory_ = nullptr;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The game's one window and its renderer. Fullscreen, it asks for an 800 x 600 display mode
// (16, then 32, then 8 bits per pixel); where the display offers none, it covers the desktop and
// scales the 800 x 600 game to fit with black bars; so it does without a window manager, with a
// borderless window the size of the screen. Windowed, it is a plain 800 x 600 window.
// The game space is 800 x 600 either way: SDL scales drawing and pointer positions.
#pragma once

#include "game/shell/sdl/WindowHandles.h"

#include <memory>
#include <string>

class SdlGameWindow {
public:
    // Empty, with `error` set, when no window or renderer could be made.
    static std::unique_ptr<SdlGameWindow> open(bool windowed, std::string& error);

    SDL_Window* window() const { return window_.get(); }
    SDL_Renderer* renderer() const { return renderer_.get(); }
    // The display mode the game took, 0 bits per pixel when it kept the desktop's.
    int bitsPerPixel() const { return bitsPerPixel_; }

private:
    SdlGameWindow() = default;
    SDL_Window* createWindow(bool windowed, SDL_DisplayMode& mode);
    SDL_Window* createKioskWindow();

    SdlRendererPtr renderer_; // goes before the window it draws on
    SdlWindowPtr window_;
    int bitsPerPixel_ = 0;
    bool kiosk_ = false; // full screen without a window manager
};

// The display mode the game switches to (see chooseGameDisplayMode), with its depth; false when
// the display offers none, and the game covers the desktop instead.
bool findGameDisplayMode(int displayIndex, SDL_DisplayMode& mode, int& bitsPerPixel);

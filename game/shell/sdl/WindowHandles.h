// SPDX-License-Identifier: GPL-3.0-or-later
// Owners for SDL's window and renderer handles, and for the video subsystem itself.
#pragma once

#include <SDL.h>
#include <memory>

struct SdlWindowDeleter {
    void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
};
struct SdlRendererDeleter {
    void operator()(SDL_Renderer* renderer) const { SDL_DestroyRenderer(renderer); }
};

using SdlWindowPtr = std::unique_ptr<SDL_Window, SdlWindowDeleter>;
using SdlRendererPtr = std::unique_ptr<SDL_Renderer, SdlRendererDeleter>;

// SDL started for the game (video with its events, and the timer); stopped again, restoring
// the display mode, when this goes.
class SdlVideo {
public:
    SdlVideo() : started_(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) == 0) {}
    ~SdlVideo() {
        if (started_) {
            SDL_Quit();
        }
    }
    SdlVideo(const SdlVideo&) = delete;
    SdlVideo& operator=(const SdlVideo&) = delete;
    bool started() const { return started_; }

private:
    bool started_;
};

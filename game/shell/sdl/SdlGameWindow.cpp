// SPDX-License-Identifier: GPL-3.0-or-later
#include "SdlGameWindow.h"

#include "game/shell/DisplayModeChoice.h"
#include "game/shell/sdl/XWindowManager.h"

#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

// OpenGL drawn by the processor is many times heavier than SDL's own software renderer.
bool isSoftwareOpenGl(SDL_Renderer* renderer) {
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(renderer, &info) != 0 || std::strncmp(info.name, "opengl", 6) != 0) {
        return false;
    }
    using GetString = const unsigned char* (*)(unsigned int);
    auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    if (!getString) {
        return true;
    }
    constexpr unsigned int kGlRenderer = 0x1F01;
    const auto* name = reinterpret_cast<const char*>(getString(kGlRenderer));
    if (!name) {
        return true;
    }
    return std::strstr(name, "llvmpipe") || std::strstr(name, "softpipe") ||
           std::strstr(name, "swrast") || std::strstr(name, "Software");
}

// Without a render node the machine has no graphics processor to give OpenGL; loading the
// OpenGL driver just to find that out would cost tens of megabytes for the life of the game.
bool hasGraphicsProcessor() {
#ifdef __linux__
    std::error_code ec;
    for (std::filesystem::directory_iterator it("/dev/dri", ec), end; !ec && it != end;
         it.increment(ec)) {
        if (it->path().filename().string().rfind("renderD", 0) == 0) {
            return true;
        }
    }
    return false;
#else
    return true;
#endif
}

SdlRendererPtr createSoftwareRenderer(SDL_Window* window) {
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    return SdlRendererPtr(SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE));
}

SdlRendererPtr createRenderer(SDL_Window* window) {
    const char* asked = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    if ((asked && std::strcmp(asked, "software") == 0) || (!asked && !hasGraphicsProcessor())) {
        return createSoftwareRenderer(window);
    }
    SdlRendererPtr renderer(
        SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE));
    if (renderer && !isSoftwareOpenGl(renderer.get())) {
        return renderer;
    }
    renderer.reset();
    return createSoftwareRenderer(window);
}

} // namespace

bool findGameDisplayMode(int displayIndex, SDL_DisplayMode& mode, int& bitsPerPixel) {
    std::vector<SDL_DisplayMode> listed;
    std::vector<OfferedDisplayMode> offered;
    const int count = SDL_GetNumDisplayModes(displayIndex);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode candidate{};
        if (SDL_GetDisplayMode(displayIndex, i, &candidate) == 0) {
            listed.push_back(candidate);
            offered.push_back(
                {candidate.w, candidate.h, static_cast<int>(SDL_BYTESPERPIXEL(candidate.format))});
        }
    }
    const std::optional<ChosenDisplayMode> chosen = chooseGameDisplayMode(offered);
    if (!chosen) {
        return false;
    }
    mode = listed[chosen->index];
    bitsPerPixel = chosen->bitsPerPixel;
    return true;
}

// Without a window manager a full-screen window keeps the size it was made with, and the game
// would be drawn at the screen's size into it, cropped: it covers the screen itself instead,
// borderless, at the desktop's mode.
SDL_Window* SdlGameWindow::createKioskWindow() {
    SDL_Rect screen{};
    if (SDL_GetDisplayBounds(0, &screen) != 0) {
        screen = {0, 0, kWidth, kHeight};
    }
    bitsPerPixel_ = 0;
    return SDL_CreateWindow("VIMO!", screen.x, screen.y, screen.w, screen.h,
                            SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS);
}

SDL_Window* SdlGameWindow::createWindow(bool windowed, SDL_DisplayMode& mode) {
    if (windowed) {
        return SDL_CreateWindow("VIMO!", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kWidth,
                                kHeight, SDL_WINDOW_HIDDEN);
    }
    if (!hasWindowManager()) {
        kiosk_ = true;
        return createKioskWindow();
    }
    findGameDisplayMode(0, mode, bitsPerPixel_);
    const Uint32 fullscreen =
        bitsPerPixel_ != 0 ? SDL_WINDOW_FULLSCREEN : SDL_WINDOW_FULLSCREEN_DESKTOP;
    return SDL_CreateWindow("VIMO!", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kWidth,
                            kHeight, SDL_WINDOW_HIDDEN | fullscreen);
}

std::unique_ptr<SdlGameWindow> SdlGameWindow::open(bool windowed, std::string& error) {
    std::unique_ptr<SdlGameWindow> game(new SdlGameWindow());
    SDL_DisplayMode mode{};
    game->window_.reset(game->createWindow(windowed, mode));
    if (!game->window_) {
        error = SDL_GetError();
        return nullptr;
    }
    if (game->bitsPerPixel_ != 0 && SDL_SetWindowDisplayMode(game->window_.get(), &mode) != 0) {
        // The mode was listed but refused: cover the desktop instead.
        game->bitsPerPixel_ = 0;
        SDL_SetWindowFullscreen(game->window_.get(), SDL_WINDOW_FULLSCREEN_DESKTOP);
    }
    game->renderer_ = createRenderer(game->window_.get());
    if (!game->renderer_) {
        error = SDL_GetError();
        return nullptr;
    }
    SDL_RenderSetLogicalSize(game->renderer_.get(), kWidth, kHeight);
    SDL_ShowWindow(game->window_.get());
    if (game->kiosk_) {
        // No window manager hands out the keyboard: the game takes it.
        SDL_RaiseWindow(game->window_.get());
        SDL_SetWindowInputFocus(game->window_.get());
    }
    return game;
}

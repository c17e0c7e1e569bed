// SPDX-License-Identifier: GPL-3.0-or-later
// SDL's software renderer drawing into a plain surface: needs no video driver, and its pixels can
// be read back. With a content folder, a fake clock and the game's surfaces on top, for the
// drawing tests.
#pragma once

#include "FakeClock.h"
#include "TemporaryFolder.h"
#include "common/files/DiskFileSystem.h"
#include "game/gfx/sdl/GraphicsHandles.h"
#include "game/gfx/sdl/SdlSurfaces.h"

#include <SDL_image.h>
#include <functional>
#include <memory>
#include <stdexcept>

struct RendererDeleter {
    void operator()(SDL_Renderer* renderer) const { SDL_DestroyRenderer(renderer); }
};

class SoftwareCanvas {
public:
    explicit SoftwareCanvas(int width = 800, int height = 600)
        : surface_(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888)) {
        if (!surface_) {
            throw std::runtime_error(SDL_GetError());
        }
        SDL_FillRect(surface_.get(), nullptr, 0xFF808080); // not what any test draws
        renderer_.reset(SDL_CreateSoftwareRenderer(surface_.get()));
        if (!renderer_) {
            throw std::runtime_error(SDL_GetError());
        }
    }

    SDL_Renderer* renderer() const { return renderer_.get(); }

    // 0xRRGGBB.
    std::uint32_t pixel(int x, int y) const {
        SDL_RenderFlush(renderer_.get());
        const auto* row = reinterpret_cast<const std::uint32_t*>(
            static_cast<const unsigned char*>(surface_->pixels) + y * surface_->pitch);
        return row[x] & 0xFFFFFF;
    }

    int width() const { return surface_->w; }
    int height() const { return surface_->h; }

private:
    SurfacePtr surface_;
    std::unique_ptr<SDL_Renderer, RendererDeleter> renderer_;
};

// The game's surfaces on a software canvas, over a fresh content folder.
class DrawingFixture {
public:
    explicit DrawingFixture(int width = 800, int height = 600, bool logicalSize = false)
        : files(folder.path()), canvas(width, height),
          surfaces(prepared(canvas.renderer(), logicalSize), files, clock) {}

    // Writes a PNG of the given size, each pixel's ARGB from `colour`.
    void writePng(const std::string& relative, int width, int height,
                  const std::function<std::uint32_t(int, int)>& colour) const {
        const SurfacePtr image(
            SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888));
        for (int y = 0; y < height; ++y) {
            auto* row = reinterpret_cast<std::uint32_t*>(
                static_cast<unsigned char*>(image->pixels) + y * image->pitch);
            for (int x = 0; x < width; ++x) {
                row[x] = colour(x, y);
            }
        }
        folder.makeFolder(std::filesystem::path(relative).parent_path().string());
        if (IMG_SavePNG(image.get(), (folder.path() / relative).c_str()) != 0) {
            throw std::runtime_error(SDL_GetError());
        }
    }

    Graphics& offscreen() { return surfaces.offscreen(); }
    // Asks for the offscreen image to be shown, as a screen's draw ends.
    void show() { surfaces.window().drawImage(surfaces.offscreenImage(), RectF{0, 0, 800, 600}); }
    // Shows the offscreen image, then ends the turn a refresh later.
    void showFrame() {
        show();
        surfaces.endFrame();
        clock.advanceMilliseconds(20);
    }

private:
    // As the game does for a window larger than the picture: scaled to fit, with bars.
    static SDL_Renderer* prepared(SDL_Renderer* renderer, bool logicalSize) {
        if (logicalSize) {
            SDL_RenderSetLogicalSize(renderer, 800, 600);
        }
        return renderer;
    }

public:
    TemporaryFolder folder;
    DiskFileSystem files;
    FakeClock clock;
    SoftwareCanvas canvas;
    SdlSurfaces surfaces;
};

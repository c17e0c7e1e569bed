// SPDX-License-Identifier: GPL-3.0-or-later
// The SVG pictures' textures: each drawn at the size it is shown, away from the loop's thread and
// under the picture budget, so that no picture keeps the game from answering. A picture not yet
// drawn shows as it was last drawn (at another size), or not at all; one that cannot be drawn
// within its budget stays missing. The frame's wait for pictures and the handler that hears of a
// picture ready are shared with the photos being decoded.
#pragma once

#include "common/pictures/PictureBudget.h"
#include "game/gfx/sdl/GraphicsHandles.h"
#include "game/gfx/sdl/VectorRaster.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class VectorPictures {
public:
    explicit VectorPictures(SDL_Renderer* renderer) : renderer_(renderer) {}

    // `frameWait` is how long one frame's drawing may wait, in all, for pictures being drawn;
    // none waits for each picture until it is drawn or its budget is spent.
    void setTiming(PictureBudget budget, std::optional<std::uint32_t> frameWait);
    // Runs, on another thread, whenever a picture's drawing has come to an end.
    void setDrawnHandler(std::function<void()> drawn) { drawn_ = std::move(drawn); }
    // A new frame may wait its whole frame wait again.
    void frameEnded() { waitEnds_.reset(); }
    // What is left of this frame's wait for pictures; none when the wait is for each picture's
    // end.
    std::optional<std::uint32_t> waitLeft();
    const std::function<void()>& drawnHandler() const { return drawn_; }

    // The texture to draw `raster` at `width` x `height` with, starting its drawing at that size
    // when it has none; null while there is none. A texture it replaces goes to `retired`. Sets
    // raster.failed when the picture cannot be drawn within its budget.
    SDL_Texture* texture(VectorRaster& raster, int width, int height,
                         std::vector<TexturePtr>& retired);

private:
    using Clock = std::chrono::steady_clock;

    void start(VectorRaster& raster, int width, int height);
    // Takes the finished job's pixels as the raster's texture; false when it drew nothing.
    bool takeDrawn(VectorRaster& raster, std::vector<TexturePtr>& retired);

    SDL_Renderer* renderer_;
    PictureBudget budget_ = kPictureBudget;
    std::optional<std::uint32_t> frameWait_;
    std::optional<Clock::time_point> waitEnds_;
    std::function<void()> drawn_;
};

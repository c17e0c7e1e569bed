// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/sdl/UprightSurface.h"

SurfacePtr uprightSurface(SurfacePtr pixels, PictureOrientation orientation) {
    if (orientation == PictureOrientation::Upright) {
        return pixels;
    }
    const bool swapped = swapsSides(orientation);
    SurfacePtr upright(SDL_CreateRGBSurfaceWithFormat(0, swapped ? pixels->h : pixels->w,
                                                      swapped ? pixels->w : pixels->h, 32,
                                                      SDL_PIXELFORMAT_ARGB8888));
    if (!upright) {
        return nullptr;
    }
    // ARGB8888 rows are whole pixels apart.
    turnUpright(orientation, static_cast<const std::uint32_t*>(pixels->pixels), pixels->w,
                pixels->h, pixels->pitch / 4, static_cast<std::uint32_t*>(upright->pixels),
                upright->pitch / 4);
    return upright;
}

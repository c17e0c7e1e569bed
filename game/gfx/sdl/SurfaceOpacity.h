// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a picture's pixels are all opaque: such a picture is copied rather than blended, the
// same picture for much less work.
#pragma once

#include <SDL.h>
#include <cstdint>

// `surface` is in ARGB8888.
inline bool fullyOpaque(const SDL_Surface& surface) {
    for (int row = 0; row < surface.h; ++row) {
        const auto* pixel = reinterpret_cast<const std::uint32_t*>(
            static_cast<const unsigned char*>(surface.pixels) + row * surface.pitch);
        for (int column = 0; column < surface.w; ++column) {
            if ((pixel[column] >> 24) != 0xFF) {
                return false;
            }
        }
    }
    return true;
}

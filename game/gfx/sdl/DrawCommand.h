// SPDX-License-Identifier: GPL-3.0-or-later
// One drawing call, kept so that a frame can be compared with the one before it and carried out
// later, only when it changed something.
#pragma once

#include <SDL.h>
#include <cstdint>

struct DrawCommand {
    enum class Kind : std::uint8_t {
        Clear,   // argb
        Fill,    // argb, rectangle
        Outline, // argb, rectangle, pen width
        Ellipse, // argb, rectangle, pen width
        Line,    // argb, from (x, y) to (x2, y2), pen width
        Copy,    // texture into the rectangle (a negative width or height mirrors it)
    };

    Kind kind = Kind::Clear;
    std::uint32_t argb = 0;
    float x = 0;
    float y = 0;
    float width = 0;  // Line: x2
    float height = 0; // Line: y2
    float penWidth = 0;
    SDL_Texture* texture = nullptr;
    // Tells textures apart even when a freed texture's address comes back for a new one.
    std::uint64_t serial = 0;

    bool operator==(const DrawCommand&) const = default;
};

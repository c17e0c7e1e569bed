// SPDX-License-Identifier: GPL-3.0-or-later
// Carries out drawing commands on the renderer's current target: fills, outlines with a centred
// pen, thick ellipses as rows of spans, round-capped lines as triangles, and texture copies.
// Coordinates are rounded to whole pixels here, since SDL's software renderer would cut them off.
#pragma once

#include "game/gfx/sdl/DrawCommand.h"

#include <vector>

class SdlPainter {
public:
    explicit SdlPainter(SDL_Renderer* renderer) : renderer_(renderer) {}

    void run(const DrawCommand& command);

private:
    void clear(std::uint32_t argb);
    void fill(const DrawCommand& command);
    void outline(const DrawCommand& command);
    void ellipse(const DrawCommand& command);
    void line(const DrawCommand& command);
    void copy(const DrawCommand& command);
    // False when the colour is fully transparent and nothing needs drawing.
    bool useColour(std::uint32_t argb);
    void addVertex(float vx, float vy, std::uint32_t argb);
    void renderTriangles();

    SDL_Renderer* renderer_;
    std::vector<SDL_Vertex> vertices_;
    std::vector<int> indices_;
    std::vector<SDL_Rect> spans_;
};

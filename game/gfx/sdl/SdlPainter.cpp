// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/sdl/SdlPainter.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <tuple>
#include <utility>

namespace {

// Far beyond any surface, small enough that no conversion to int overflows.
constexpr float kFarAway = 1.0e6f;

float rounded(float value) {
    if (std::isnan(value)) {
        return 0.0f;
    }
    return std::floor(std::clamp(value, -kFarAway, kFarAway) + 0.5f);
}

int pixel(float value) {
    return static_cast<int>(rounded(value));
}

// A pen thinner than a pixel still draws one pixel wide.
float penOf(const DrawCommand& command) {
    return std::max(command.penWidth, 1.0f);
}

// Enough straight pieces that the polygon stays within a fraction of a pixel of the curve.
int segmentsFor(float radius, int least) {
    const float circumference = 2.0f * std::numbers::pi_v<float> * std::min(radius, kFarAway);
    return std::clamp(static_cast<int>(circumference / 3.0f), least, 1024);
}

// One axis of a copy: `source` pixels of the texture from `sourceStart` drawn onto `target` pixels
// from `targetStart`.
struct Axis {
    int sourceStart;
    int source;
    int targetStart;
    int target;
};

// Cuts one axis of a copy down to the part that lands on [0, visible), so that the renderer
// scales only what shows: SDL's software renderer otherwise scales a picture reaching past the
// edge whole into a scratch image first (2400 x 1800 pixels for a large painting frame drawn
// half as large again). The part is taken in whole steps of the scale (for 800 source pixels on
// 2400 target pixels, one source pixel to three), so that it is scaled by exactly the same ratio
// as the whole and its pixels land where the whole picture's would: the same pixels when scaled
// to the nearest pixel; when scaled smoothly, SDL's fixed-point steps add up a little differently
// from another start, so colours may differ by a few steps of 255. False when nothing shows.
bool clipAxis(Axis& axis, int visible, bool mirrored) {
    const int from = std::max(0, -axis.targetStart);
    const int to = std::min(axis.target, visible - axis.targetStart);
    if (from >= to) {
        return false;
    }
    if (from == 0 && to == axis.target) {
        return true;
    }
    const int steps = std::gcd(axis.source, axis.target);
    const int sourceStep = axis.source / steps;
    const int targetStep = axis.target / steps;
    // One step more on either side, where there is one, so that a smoothly scaled picture blends
    // its edge pixels on the surface with their neighbours as the whole picture would.
    const int first = std::max(0, from / targetStep - 1);
    const int last = std::min(steps, (to + targetStep - 1) / targetStep + 1);
    const int sourceFrom = mirrored ? steps - last : first;
    axis = Axis{axis.sourceStart + sourceFrom * sourceStep, (last - first) * sourceStep,
                axis.targetStart + first * targetStep, (last - first) * targetStep};
    return true;
}

} // namespace

void SdlPainter::run(const DrawCommand& command) {
    switch (command.kind) {
    case DrawCommand::Kind::Clear:
        clear(command.argb);
        break;
    case DrawCommand::Kind::Fill:
        fill(command);
        break;
    case DrawCommand::Kind::Outline:
        outline(command);
        break;
    case DrawCommand::Kind::Ellipse:
        ellipse(command);
        break;
    case DrawCommand::Kind::Line:
        line(command);
        break;
    case DrawCommand::Kind::Copy:
        copy(command);
        break;
    }
}

bool SdlPainter::useColour(std::uint32_t argb) {
    const auto alpha = static_cast<Uint8>(argb >> 24);
    if (alpha == 0) {
        return false;
    }
    SDL_SetRenderDrawColor(renderer_, static_cast<Uint8>(argb >> 16), static_cast<Uint8>(argb >> 8),
                           static_cast<Uint8>(argb), alpha);
    SDL_SetRenderDrawBlendMode(renderer_, alpha == 0xFF ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
    return true;
}

void SdlPainter::clear(std::uint32_t argb) {
    // Clearing replaces every pixel, alpha included, whatever the colour.
    SDL_SetRenderDrawColor(renderer_, static_cast<Uint8>(argb >> 16), static_cast<Uint8>(argb >> 8),
                           static_cast<Uint8>(argb), static_cast<Uint8>(argb >> 24));
    SDL_RenderClear(renderer_);
}

void SdlPainter::fill(const DrawCommand& command) {
    const int left = pixel(command.x);
    const int top = pixel(command.y);
    const int right = pixel(command.x + command.width);
    const int bottom = pixel(command.y + command.height);
    if (right <= left || bottom <= top || !useColour(command.argb)) {
        return;
    }
    const SDL_Rect rect{left, top, right - left, bottom - top};
    SDL_RenderFillRect(renderer_, &rect);
}

void SdlPainter::outline(const DrawCommand& command) {
    if (command.width < 0 || command.height < 0 || !useColour(command.argb)) {
        return;
    }
    const float half = penOf(command) / 2.0f;
    const float right = command.x + command.width;
    const float bottom = command.y + command.height;
    const int outerLeft = pixel(command.x - half);
    const int outerTop = pixel(command.y - half);
    const int outerRight = pixel(right + half);
    const int outerBottom = pixel(bottom + half);
    const int innerLeft = pixel(command.x + half);
    const int innerTop = pixel(command.y + half);
    const int innerRight = pixel(right - half);
    const int innerBottom = pixel(bottom - half);
    const int outerWidth = outerRight - outerLeft;
    if (innerRight <= innerLeft || innerBottom <= innerTop) {
        // The pen covers the whole inside.
        const SDL_Rect whole{outerLeft, outerTop, outerWidth, outerBottom - outerTop};
        SDL_RenderFillRect(renderer_, &whole);
        return;
    }
    // Four bands that do not overlap, so a translucent pen is laid on once everywhere.
    const SDL_Rect bands[] = {
        {outerLeft, outerTop, outerWidth, innerTop - outerTop},
        {outerLeft, innerBottom, outerWidth, outerBottom - innerBottom},
        {outerLeft, innerTop, innerLeft - outerLeft, innerBottom - innerTop},
        {innerRight, innerTop, outerRight - innerRight, innerBottom - innerTop},
    };
    SDL_RenderFillRects(renderer_, bands, 4);
}

void SdlPainter::addVertex(float vx, float vy, std::uint32_t argb) {
    SDL_Vertex vertex{};
    vertex.position = SDL_FPoint{rounded(vx), rounded(vy)};
    vertex.color = SDL_Color{static_cast<Uint8>(argb >> 16), static_cast<Uint8>(argb >> 8),
                             static_cast<Uint8>(argb), static_cast<Uint8>(argb >> 24)};
    vertices_.push_back(vertex);
}

void SdlPainter::renderTriangles() {
    SDL_RenderGeometry(renderer_, nullptr, vertices_.data(), static_cast<int>(vertices_.size()),
                       indices_.data(), static_cast<int>(indices_.size()));
    vertices_.clear();
    indices_.clear();
}

void SdlPainter::ellipse(const DrawCommand& command) {
    if (command.width < 0 || command.height < 0 || !useColour(command.argb)) {
        return;
    }
    // A ring between two ellipses half a pen inside and half a pen outside the outline, filled
    // row by row with spans that do not overlap: a pixel belongs to the ring when its centre lies
    // between the two. Triangles would leave seams where the software renderer's fill rule
    // drops the pixels on their shared edges.
    const float half = penOf(command) / 2.0f;
    const float centreX = command.x + command.width / 2.0f;
    const float centreY = command.y + command.height / 2.0f;
    const float outerX = command.width / 2.0f + half;
    const float outerY = command.height / 2.0f + half;
    const float innerX = command.width / 2.0f - half;
    const float innerY = command.height / 2.0f - half;
    SDL_Rect view{};
    SDL_RenderGetViewport(renderer_, &view);
    const int top = std::max(pixel(centreY - outerY), 0);
    const int bottom = std::min(pixel(centreY + outerY), view.h);
    // Half the span of an ellipse of half-axes (ax, ay) on the row whose centre is dy from its
    // centre; negative off the ellipse.
    const auto halfSpan = [](float ax, float ay, float dy) {
        if (ax <= 0.0f || ay <= 0.0f || std::fabs(dy) >= ay) {
            return -1.0f;
        }
        const float t = dy / ay;
        return ax * std::sqrt(1.0f - t * t);
    };
    spans_.clear();
    for (int row = top; row < bottom; ++row) {
        const float dy = static_cast<float>(row) + 0.5f - centreY;
        const float outer = halfSpan(outerX, outerY, dy);
        if (outer < 0.0f) {
            continue;
        }
        // pixel(edge) is the first pixel whose centre lies at or right of the edge.
        const int left = pixel(centreX - outer);
        const int right = pixel(centreX + outer);
        const float inner = halfSpan(innerX, innerY, dy);
        const int innerLeft = inner < 0.0f ? right : std::max(pixel(centreX - inner), left);
        const int innerRight = inner < 0.0f ? right : std::min(pixel(centreX + inner), right);
        if (innerLeft > left) {
            spans_.push_back(SDL_Rect{left, row, innerLeft - left, 1});
        }
        if (right > innerRight && innerRight >= innerLeft) {
            spans_.push_back(SDL_Rect{innerRight, row, right - innerRight, 1});
        }
    }
    if (!spans_.empty()) {
        SDL_RenderFillRects(renderer_, spans_.data(), static_cast<int>(spans_.size()));
    }
}

void SdlPainter::line(const DrawCommand& command) {
    if (!useColour(command.argb)) {
        return;
    }
    // The whole line with its round caps is one convex outline (two half circles joined by
    // straight sides), drawn as a fan from its middle so that no pixel is covered twice.
    const float radius = penOf(command) / 2.0f;
    const float x1 = command.x;
    const float y1 = command.y;
    const float x2 = command.width;
    const float y2 = command.height;
    const float direction = std::atan2(y2 - y1, x2 - x1);
    const int steps = segmentsFor(radius, 16) / 2;
    addVertex((x1 + x2) / 2.0f, (y1 + y2) / 2.0f, command.argb);
    const float pi = std::numbers::pi_v<float>;
    for (const auto& [endX, endY, from] :
         {std::tuple{x2, y2, direction - pi / 2.0f}, std::tuple{x1, y1, direction + pi / 2.0f}}) {
        for (int i = 0; i <= steps; ++i) {
            const float angle = from + pi * static_cast<float>(i) / static_cast<float>(steps);
            addVertex(endX + radius * std::cos(angle), endY + radius * std::sin(angle),
                      command.argb);
        }
    }
    const int rim = static_cast<int>(vertices_.size()) - 1;
    for (int i = 1; i <= rim; ++i) {
        indices_.insert(indices_.end(), {0, i, i % rim + 1});
    }
    renderTriangles();
}

void SdlPainter::copy(const DrawCommand& command) {
    if (command.texture == nullptr || command.texture == SDL_GetRenderTarget(renderer_)) {
        return;
    }
    int left = pixel(command.x);
    int top = pixel(command.y);
    int right = pixel(command.x + command.width);
    int bottom = pixel(command.y + command.height);
    int flip = SDL_FLIP_NONE;
    if (right < left) {
        std::swap(left, right);
        flip |= SDL_FLIP_HORIZONTAL;
    }
    if (bottom < top) {
        std::swap(top, bottom);
        flip |= SDL_FLIP_VERTICAL;
    }
    if (right == left || bottom == top) {
        return;
    }
    int width = 0;
    int height = 0;
    SDL_Rect view{};
    if (SDL_QueryTexture(command.texture, nullptr, nullptr, &width, &height) != 0 || width <= 0 ||
        height <= 0) {
        return;
    }
    SDL_RenderGetViewport(renderer_, &view);
    Axis across{0, width, left, right - left};
    Axis down{0, height, top, bottom - top};
    if (view.w > 0 && view.h > 0 &&
        (!clipAxis(across, view.w, (flip & SDL_FLIP_HORIZONTAL) != 0) ||
         !clipAxis(down, view.h, (flip & SDL_FLIP_VERTICAL) != 0))) {
        return;
    }
    const SDL_Rect source{across.sourceStart, down.sourceStart, across.source, down.source};
    const SDL_Rect target{across.targetStart, down.targetStart, across.target, down.target};
    if (flip == SDL_FLIP_NONE) {
        SDL_RenderCopy(renderer_, command.texture, &source, &target);
    } else {
        SDL_RenderCopyEx(renderer_, command.texture, &source, &target, 0.0, nullptr,
                         static_cast<SDL_RendererFlip>(flip));
    }
}

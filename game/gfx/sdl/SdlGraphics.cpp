// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/sdl/SdlGraphics.h"

#include <cmath>
#include <typeinfo>
#include <utility>

namespace {
bool invisible(std::uint32_t argb) {
    return (argb >> 24) == 0;
}
} // namespace

SdlGraphics::SdlGraphics(SdlResources& resources, Sink sink)
    : resources_(resources), sink_(std::move(sink)) {}

std::unique_ptr<Image> SdlGraphics::loadImage(std::u16string_view path, bool cached,
                                              DrawnBox drawnIn) {
    return resources_.loadImage(path, cached, drawnIn);
}

void SdlGraphics::clear(std::uint32_t argb) {
    DrawCommand command;
    command.kind = DrawCommand::Kind::Clear;
    command.argb = argb;
    sink_(command);
}

void SdlGraphics::shape(DrawCommand::Kind kind, RectF rect, std::uint32_t argb, float penWidth) {
    if (invisible(argb)) {
        return;
    }
    DrawCommand command;
    command.kind = kind;
    command.argb = argb;
    command.x = rect.x;
    command.y = rect.y;
    command.width = rect.width;
    command.height = rect.height;
    command.penWidth = penWidth;
    sink_(command);
}

void SdlGraphics::fillRectangle(RectF rect, std::uint32_t argb) {
    shape(DrawCommand::Kind::Fill, rect, argb, 0);
}

void SdlGraphics::drawRectangle(RectF rect, std::uint32_t argb, float penWidth) {
    shape(DrawCommand::Kind::Outline, rect, argb, penWidth);
}

void SdlGraphics::drawEllipse(RectF rect, std::uint32_t argb, float penWidth) {
    shape(DrawCommand::Kind::Ellipse, rect, argb, penWidth);
}

void SdlGraphics::drawLine(float x1, float y1, float x2, float y2, std::uint32_t argb,
                           float penWidth) {
    shape(DrawCommand::Kind::Line, RectF{x1, y1, x2, y2}, argb, penWidth);
}

void SdlGraphics::drawImage(const Image& image, int x, int y) {
    drawImage(image, RectF{static_cast<float>(x), static_cast<float>(y),
                           static_cast<float>(image.width()), static_cast<float>(image.height())});
}

void SdlGraphics::drawImage(const Image& image, RectF rect) {
    // Screens draw pictures every turn; comparing the type is much cheaper than a dynamic_cast,
    // and SdlImage has no subclasses.
    if (typeid(image) != typeid(SdlImage)) {
        return;
    }
    const auto* sdlImage = static_cast<const SdlImage*>(&image);
    if (sdlImage->width() <= 0 || sdlImage->height() <= 0) {
        return;
    }
    SDL_Texture* texture = resources_.rasterTexture(*sdlImage);
    if (sdlImage->vector() != nullptr) {
        // An SVG is rasterised at the size it is drawn, so it stays sharp.
        texture = resources_.vectorTexture(*sdlImage, rect);
        if (texture == nullptr) {
            return;
        }
    }
    DrawCommand command;
    command.kind = DrawCommand::Kind::Copy;
    command.x = rect.x;
    command.y = rect.y;
    command.width = rect.width;
    command.height = rect.height;
    command.texture = texture;
    command.serial = sdlImage->serial();
    sink_(command);
}

std::unique_ptr<Font> SdlGraphics::createFont(std::u16string_view family, float size,
                                              FontUnit unit) {
    return resources_.createFont(family, size, unit);
}

RectF SdlGraphics::measureString(std::u16string_view text, const Font& font) {
    const auto* sdlFont = dynamic_cast<const SdlFont*>(&font);
    return sdlFont != nullptr ? resources_.measureString(text, *sdlFont) : RectF{};
}

void SdlGraphics::drawString(std::u16string_view text, const Font& font, RectF layout,
                             std::uint32_t argb, TextAlignment alignment) {
    const auto* sdlFont = dynamic_cast<const SdlFont*>(&font);
    if (sdlFont == nullptr) {
        return;
    }
    const TextTexture* rendered = resources_.texts().get(text, *sdlFont, argb, alignment);
    if (rendered == nullptr) {
        return;
    }
    const auto width = static_cast<float>(rendered->width);
    DrawCommand command;
    command.kind = DrawCommand::Kind::Copy;
    // The lines are already centred against each other inside the texture; the block itself is
    // centred in the layout's width (on its left edge's x when that width is 0). Whole pixels,
    // so that the text is copied and never stretched by a pixel.
    const float left =
        alignment == TextAlignment::Centre ? layout.x + (layout.width - width) / 2.0f : layout.x;
    command.x = std::floor(left + 0.5f);
    command.y = std::floor(layout.y + 0.5f);
    command.width = width;
    command.height = static_cast<float>(rendered->height);
    command.texture = rendered->texture;
    command.serial = rendered->serial;
    sink_(command);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The Graphics of the SDL back end: turns each drawing call into a DrawCommand and hands it on,
// to be recorded (the offscreen surface) or carried out at once (the window). Images and fonts
// come from the shared SdlResources.
#pragma once

#include "game/gfx/Graphics.h"
#include "game/gfx/sdl/DrawCommand.h"
#include "game/gfx/sdl/SdlResources.h"

#include <functional>

class SdlGraphics : public Graphics {
public:
    using Sink = std::function<void(const DrawCommand&)>;

    SdlGraphics(SdlResources& resources, Sink sink);

    std::unique_ptr<Image> loadImage(std::u16string_view path, bool cached,
                                     DrawnBox drawnIn) override;
    void clear(std::uint32_t argb) override;
    void fillRectangle(RectF rect, std::uint32_t argb) override;
    void drawRectangle(RectF rect, std::uint32_t argb, float penWidth) override;
    void drawEllipse(RectF rect, std::uint32_t argb, float penWidth) override;
    void drawLine(float x1, float y1, float x2, float y2, std::uint32_t argb,
                  float penWidth) override;
    void drawImage(const Image& image, int x, int y) override;
    void drawImage(const Image& image, RectF rect) override;
    std::unique_ptr<Font> createFont(std::u16string_view family, float size,
                                     FontUnit unit) override;
    RectF measureString(std::u16string_view text, const Font& font) override;
    void drawString(std::u16string_view text, const Font& font, RectF layout, std::uint32_t argb,
                    TextAlignment alignment) override;

private:
    void shape(DrawCommand::Kind kind, RectF rect, std::uint32_t argb, float penWidth);

    SdlResources& resources_;
    Sink sink_;
};

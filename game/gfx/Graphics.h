// SPDX-License-Identifier: GPL-3.0-or-later
// A surface the game draws on: the 800 x 600 offscreen image that every screen paints, or the
// window it is copied to. Colours are 32-bit ARGB (0xFF000000 is opaque black). Drawing failures
// are never reported: a picture that cannot be loaded has size 0 x 0 and draws nothing.
#pragma once

#include "common/pictures/RectF.h"

#include <cstdint>
#include <memory>
#include <string_view>

// A loaded picture, owning its platform image.
class Image {
public:
    virtual ~Image() = default;
    // The pixel size; 0 x 0 when the file could not be read.
    virtual int width() const = 0;
    virtual int height() const = 0;
};

class Font {
public:
    virtual ~Font() = default;
};

// The largest box a picture drawn scaled is ever drawn fitted into, in pixels of the 800 x 600
// offscreen image: it is kept no larger than fits there. The whole offscreen image where the
// screen does not know the drawn size before the picture is loaded.
struct DrawnBox {
    int width = 800;
    int height = 600;
};

enum class FontUnit { Pixel, Point };
enum class TextAlignment { Near, Centre };

class Graphics {
public:
    virtual ~Graphics() = default;

    // Never null. `cached` asks for a copy in the surface's own format, drawn often and never
    // scaled; otherwise the image is kept for scaled drawing, at most as large as fits in
    // `drawnIn` (its size stays the file's own).
    virtual std::unique_ptr<Image> loadImage(std::u16string_view path, bool cached,
                                             DrawnBox drawnIn) = 0;

    virtual void clear(std::uint32_t argb) = 0;
    virtual void fillRectangle(RectF rect, std::uint32_t argb) = 0;
    // The outline with a pen of the given width centred on the rectangle's edge.
    virtual void drawRectangle(RectF rect, std::uint32_t argb, float penWidth) = 0;
    // The outline of the ellipse inside `rect`, pen centred on it.
    virtual void drawEllipse(RectF rect, std::uint32_t argb, float penWidth) = 0;
    // A line with round caps at both ends.
    virtual void drawLine(float x1, float y1, float x2, float y2, std::uint32_t argb,
                          float penWidth) = 0;
    // At the image's own size, top-left corner at (x, y).
    virtual void drawImage(const Image& image, int x, int y) = 0;
    // Scaled into `rect`.
    virtual void drawImage(const Image& image, RectF rect) = 0;

    // Never null: a family that is not installed falls back to the generic sans-serif family.
    virtual std::unique_ptr<Font> createFont(std::u16string_view family, float size,
                                             FontUnit unit) = 0;
    // The bounding box of the text as one unwrapped layout (several lines only where the text
    // has line breaks), at (0, 0).
    virtual RectF measureString(std::u16string_view text, const Font& font) = 0;
    // Draws the text into the layout rectangle, top-aligned; Centre centres each line in the
    // rectangle's width.
    virtual void drawString(std::u16string_view text, const Font& font, RectF layout,
                            std::uint32_t argb, TextAlignment alignment) = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// One text laid out in one font the way the game measures and draws its texts: never wrapped,
// broken into lines only where the text itself has line breaks, lines a line-spacing apart. A
// text is never laid out larger than 4096 pixels a side; beyond that its beginning shows.
#pragma once

#include "game/gfx/Graphics.h"
#include "game/gfx/sdl/GraphicsHandles.h"

#include <string>
#include <string_view>
#include <vector>

class TextLayout {
public:
    // A null font lays out nothing (0 x 0).
    TextLayout(std::u16string_view text, TTF_Font* font);

    int width() const { return width_; }
    int height() const { return height_; }
    int lineCount() const { return static_cast<int>(lines_.size()); }

    // The text in one colour on a transparent surface of the layout's size, each line at the left
    // or centred in the layout's width; null when nothing would show.
    SurfacePtr render(std::uint32_t argb, TextAlignment alignment) const;

private:
    TTF_Font* font_;
    std::vector<std::string> lines_; // UTF-8, as SDL_ttf takes it
    std::vector<int> lineWidths_;
    int lineSkip_ = 0;
    int width_ = 0;
    int height_ = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/sdl/TextLayout.h"

#include "common/text/Utf8.h"

#include <algorithm>

namespace {

// No text is laid out larger than this, and no line takes more characters than this: the game
// shows everything within 800 x 600, and a list line of a megabyte would otherwise ask SDL_ttf
// for gigabytes of pixels. A text beyond it shows its beginning.
constexpr int kLargestSide = 4096;
constexpr std::size_t kLongestLine = 4096;

// The line cut to kLongestLine units, never between the two halves of a surrogate pair.
std::u16string_view shortened(std::u16string_view line) {
    if (line.size() <= kLongestLine) {
        return line;
    }
    std::size_t length = kLongestLine;
    if (line[length - 1] >= 0xD800 && line[length - 1] <= 0xDBFF) {
        --length;
    }
    return line.substr(0, length);
}

// The UTF-8 line cut to the characters SDL_ttf fits within kLargestSide pixels.
void fitWidth(TTF_Font* font, std::string& utf8) {
    int extent = 0;
    int count = 0;
    if (TTF_MeasureUTF8(font, utf8.c_str(), kLargestSide, &extent, &count) != 0) {
        return;
    }
    std::size_t end = 0;
    for (int characters = 0; end < utf8.size(); ++end) {
        if ((static_cast<unsigned char>(utf8[end]) & 0xC0) != 0x80 && characters++ == count) {
            break;
        }
    }
    utf8.resize(end);
}

// CR LF, a lone CR and a lone LF each end a line. At most `most` lines.
std::vector<std::u16string_view> splitLines(std::u16string_view text, std::size_t most) {
    std::vector<std::u16string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size() && lines.size() < most; ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (lines.size() < most) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

} // namespace

TextLayout::TextLayout(std::u16string_view text, TTF_Font* font) : font_(font) {
    if (font_ == nullptr || text.empty()) {
        return;
    }
    lineSkip_ = TTF_FontLineSkip(font_);
    // The last line is as high as the font's glyphs reach, which in some fonts is more than the
    // line spacing, so that the measured box holds everything drawn.
    const int lastLineHeight = std::max(lineSkip_, TTF_FontHeight(font_));
    const int mostLines =
        lineSkip_ > 0 ? std::max(1, (kLargestSide - lastLineHeight) / lineSkip_ + 1) : 1;
    for (std::u16string_view line : splitLines(text, static_cast<std::size_t>(mostLines))) {
        std::string utf8 = toUtf8(shortened(line));
        fitWidth(font_, utf8);
        int lineWidth = 0;
        int lineHeight = 0;
        if (!utf8.empty() && TTF_SizeUTF8(font_, utf8.c_str(), &lineWidth, &lineHeight) != 0) {
            lineWidth = 0;
        }
        lineWidth = std::clamp(lineWidth, 0, kLargestSide);
        width_ = std::max(width_, lineWidth);
        lines_.push_back(std::move(utf8));
        lineWidths_.push_back(lineWidth);
    }
    height_ = std::min((lineCount() - 1) * lineSkip_ + lastLineHeight, kLargestSide);
}

SurfacePtr TextLayout::render(std::uint32_t argb, TextAlignment alignment) const {
    const std::uint32_t alpha = argb >> 24;
    if (width_ <= 0 || height_ <= 0 || alpha == 0) {
        return nullptr;
    }
    SurfacePtr block(
        SDL_CreateRGBSurfaceWithFormat(0, width_, height_, 32, SDL_PIXELFORMAT_ARGB8888));
    if (!block) {
        return nullptr;
    }
    // Transparent pixels carry the text's colour too, so that filtering never darkens the edges.
    const std::uint32_t rgb = argb & 0x00FFFFFF;
    SDL_FillRect(block.get(), nullptr, rgb);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].empty()) {
            continue;
        }
        // Drawn white, so that the glyphs' alpha is their coverage; the colour is laid on below.
        SurfacePtr rendered(
            TTF_RenderUTF8_Blended(font_, lines_[i].c_str(), SDL_Color{255, 255, 255, 255}));
        if (!rendered) {
            continue;
        }
        SurfacePtr glyphs(SDL_ConvertSurfaceFormat(rendered.get(), SDL_PIXELFORMAT_ARGB8888, 0));
        if (!glyphs) {
            continue;
        }
        const int left = alignment == TextAlignment::Centre ? (width_ - lineWidths_[i]) / 2 : 0;
        const int top = static_cast<int>(i) * lineSkip_;
        const int columns = std::min(glyphs->w, width_ - left);
        const int rows = std::min(glyphs->h, height_ - top);
        for (int row = 0; row < rows; ++row) {
            const auto* from = reinterpret_cast<const std::uint32_t*>(
                static_cast<const unsigned char*>(glyphs->pixels) + row * glyphs->pitch);
            auto* to = reinterpret_cast<std::uint32_t*>(static_cast<unsigned char*>(block->pixels) +
                                                        (top + row) * block->pitch);
            for (int column = 0; column < columns; ++column) {
                const std::uint32_t coverage = (from[column] >> 24) * alpha / 255;
                std::uint32_t& pixel = to[left + column];
                // Lines may overlap where glyphs reach below the line spacing.
                if (coverage > (pixel >> 24)) {
                    pixel = coverage << 24 | rgb;
                }
            }
        }
    }
    return block;
}

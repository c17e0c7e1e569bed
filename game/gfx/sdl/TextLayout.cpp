#include "game/gfx/sdl/TextLayout.h"

#include "common/text/Utf8.h"

#include <algorithm>

namespace {

// CR LF, a lone CR and a lone LF each end a line.
std::vector<std::u16string_view> splitLines(std::u16string_view text) {
    std::vector<std::u16string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    lines.push_back(text.substr(start));
    return lines;
}

} // namespace

TextLayout::TextLayout(std::u16string_view text, TTF_Font* font) : font_(font) {
    if (font_ == nullptr || text.empty()) {
        return;
    }
    for (std::u16string_view line : splitLines(text)) {
        std::string utf8 = toUtf8(line);
        int lineWidth = 0;
        int lineHeight = 0;
        if (!utf8.empty() && TTF_SizeUTF8(font_, utf8.c_str(), &lineWidth, &lineHeight) != 0) {
            lineWidth = 0;
        }
        width_ = std::max(width_, lineWidth);
        lines_.push_back(std::move(utf8));
        lineWidths_.push_back(lineWidth);
    }
    lineSkip_ = TTF_FontLineSkip(font_);
    // The last line is as high as the font's glyphs reach, which in some fonts is more than the
    // line spacing, so that the measured box holds everything drawn.
    height_ = (lineCount() - 1) * lineSkip_ + std::max(lineSkip_, TTF_FontHeight(font_));
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

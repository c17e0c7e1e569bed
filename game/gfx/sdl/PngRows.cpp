// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/sdl/PngRows.h"

#include "game/gfx/sdl/RowShrinker.h"

#include <cstring>
#include <png.h>
#include <vector>

namespace {

struct Source {
    std::span<const unsigned char> bytes;
    std::size_t at = 0;
};

void readBytes(png_structp png, png_bytep out, png_size_t length) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (source->bytes.size() - source->at < length) {
        png_error(png, "cut short");
    }
    std::memcpy(out, source->bytes.data() + source->at, length);
    source->at += length;
}

// libpng ends on an error by jumping back to the decoding's start; damaged data is no message.
[[noreturn]] void jumpBack(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

void stayQuiet(png_structp, png_const_charp) {}

// Everything the decoding changes lives here, outside the frame that calls setjmp, so that its
// values hold after libpng jumps back; that frame holds nothing that needs destroying.
struct Decoding {
    png_structp png = nullptr;
    png_infop info = nullptr;
    Source source;
    SDL_Surface* surface = nullptr;
    std::vector<std::uint32_t> row;
    std::optional<RowShrinker> shrinker;
    bool interlaced = false;
};

// Asks libpng for every kind of PNG as 8-bit blue, green, red and alpha in memory: ARGB8888 as
// SDL lays it out on this machine.
void askForArgb(png_structp png, png_infop info) {
    png_set_expand(png); // a palette, grey below 8 bits and a transparent colour
    png_set_strip_16(png);
    const png_byte colour = png_get_color_type(png, info);
    if (colour == PNG_COLOR_TYPE_GRAY || colour == PNG_COLOR_TYPE_GRAY_ALPHA) {
        png_set_gray_to_rgb(png);
    }
#if SDL_BYTEORDER == SDL_LIL_ENDIAN
    png_set_bgr(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
#else
    png_set_swap_alpha(png);
    png_set_filler(png, 0xFF, PNG_FILLER_BEFORE);
#endif
}

bool decode(Decoding& d, int width, int height) {
    if (setjmp(png_jmpbuf(d.png)) != 0) {
        return false;
    }
    png_set_read_fn(d.png, &d.source, readBytes);
    png_read_info(d.png, d.info);
    if (png_get_interlace_type(d.png, d.info) != PNG_INTERLACE_NONE) {
        d.interlaced = true;
        return false;
    }
    const auto ownWidth = static_cast<int>(png_get_image_width(d.png, d.info));
    const auto ownHeight = static_cast<int>(png_get_image_height(d.png, d.info));
    if (width > ownWidth || height > ownHeight || width < 1 || height < 1) {
        return false;
    }
    askForArgb(d.png, d.info);
    png_read_update_info(d.png, d.info);
    if (png_get_rowbytes(d.png, d.info) != static_cast<png_size_t>(ownWidth) * 4) {
        return false;
    }
    d.surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (d.surface == nullptr) {
        return false;
    }
    const bool ownSize = width == ownWidth && height == ownHeight;
    if (!ownSize) {
        d.row.resize(static_cast<std::size_t>(ownWidth));
        d.shrinker.emplace(ownWidth, ownHeight, *d.surface);
    }
    auto* pixels = static_cast<unsigned char*>(d.surface->pixels);
    for (int y = 0; y < ownHeight; ++y) {
        if (ownSize) {
            png_read_row(d.png, pixels + static_cast<std::ptrdiff_t>(y) * d.surface->pitch,
                         nullptr);
        } else {
            png_read_row(d.png, reinterpret_cast<png_bytep>(d.row.data()), nullptr);
            d.shrinker->take(d.row.data());
        }
    }
    return true;
}

} // namespace

std::optional<SurfacePtr> decodePngAt(std::span<const unsigned char> bytes, int width, int height) {
    Decoding d;
    d.source.bytes = bytes;
    d.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, jumpBack, stayQuiet);
    d.info = d.png != nullptr ? png_create_info_struct(d.png) : nullptr;
    const bool decoded = d.info != nullptr && decode(d, width, height);
    png_destroy_read_struct(&d.png, &d.info, nullptr);
    SurfacePtr surface(d.surface);
    if (d.interlaced) {
        return std::nullopt;
    }
    if (!decoded) {
        surface.reset();
    }
    return surface;
}

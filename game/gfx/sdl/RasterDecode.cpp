// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/sdl/RasterDecode.h"

#include "game/gfx/sdl/CmykJpeg.h"
#include "game/gfx/sdl/PngRows.h"
#include "game/gfx/sdl/ScaledJpeg.h"
#include "game/gfx/sdl/UprightSurface.h"

#include <SDL_image.h>
#include <algorithm>
#include <cmath>
#include <optional>
#include <span>

namespace {

// Everything shows within the game's 800 x 600, so a larger picture is kept at most this large
// per side. Its size stays the file's own, so it is laid out and drawn exactly as before.
constexpr int kLargestTextureSide = 1600;
// A picture drawn scaled is drawn into the 800 x 600 offscreen image: it is kept no larger than
// the box its screen draws it into, and never larger than fits in that image (a painting's
// frame, drawn half as large again, shows no more than that either).
constexpr int kLargestScaledWidth = 800;
constexpr int kLargestScaledHeight = 600;

// Each format by its own decoder, so that no other decoder can claim the file on the strength of
// a few bytes inside it and decode it at a size nobody checked.
SDL_Surface* decodeWhole(std::span<const unsigned char> bytes, SDL_RWops* source,
                         ImageFormat format) {
    switch (format) {
    case ImageFormat::Png:
        return IMG_LoadPNG_RW(source);
    case ImageFormat::Jpeg:
        if (std::optional<SurfacePtr> inks = decodeCmykJpeg(bytes)) {
            return inks->release();
        }
        return IMG_LoadJPG_RW(source);
    case ImageFormat::Gif:
        return IMG_LoadGIF_RW(source);
    case ImageFormat::Bmp:
        return IMG_LoadBMP_RW(source);
    case ImageFormat::Tiff:
        return IMG_LoadTIF_RW(source);
    case ImageFormat::WebP:
        return IMG_LoadWEBP_RW(source);
    case ImageFormat::Svg:
        break; // rasterised at the size it is drawn, never here
    }
    return nullptr;
}

// The size the game keeps of a picture of `width` x `height`: its own when it fits in `most`
// pixels across and down, else the largest of its shape that does.
PixelSize keptSize(int width, int height, PixelSize most) {
    if (width <= most.width && height <= most.height) {
        return {width, height};
    }
    const double scale = std::min(static_cast<double>(most.width) / width,
                                  static_cast<double>(most.height) / height);
    return {std::max(1, static_cast<int>(std::lround(width * scale))),
            std::max(1, static_cast<int>(std::lround(height * scale)))};
}

// The picture itself when it is of the size kept, else a smoothly scaled-down copy that is; null
// when the copy cannot be made.
SurfacePtr keptPixels(SurfacePtr pixels, PixelSize kept) {
    if (pixels->w == kept.width && pixels->h == kept.height) {
        return pixels;
    }
    SurfacePtr smaller(
        SDL_CreateRGBSurfaceWithFormat(0, kept.width, kept.height, 32, SDL_PIXELFORMAT_ARGB8888));
    if (!smaller || SDL_SoftStretchLinear(pixels.get(), nullptr, smaller.get(), nullptr) != 0) {
        return nullptr;
    }
    return smaller;
}

// One format for every image (a transparent colour of a palette image becomes alpha), so that
// opacity can be read off. A picture decoded in it already is taken as it is, without a second
// copy of its pixels. Null when it cannot be converted.
SurfacePtr inOneFormat(SurfacePtr decoded) {
    if (decoded->format->format == SDL_PIXELFORMAT_ARGB8888 && !SDL_HasColorKey(decoded.get())) {
        return decoded;
    }
    return SurfacePtr(SDL_ConvertSurfaceFormat(decoded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
}

// Decoded straight at (about) the size kept where the format allows, by the game's own decoders:
// a JPEG of one or three channels at the smallest fraction of its size (down to an eighth) still
// no smaller than `kept`, a PNG that is not interlaced at `kept` itself. Nothing when the picture
// is not decoded so; no pixels when it cannot be decoded.
std::optional<SurfacePtr> decodeAtKeptSize(const PictureFile& file, PixelSize kept) {
    const int width = static_cast<int>(file.size.width);
    const int height = static_cast<int>(file.size.height);
    if (file.size.format == ImageFormat::Png) {
        return decodePngAt(file.bytes, kept.width, kept.height);
    }
    if (file.size.format == ImageFormat::Jpeg) {
        // A picture in printing inks is not taken: it is decoded whole.
        return decodeJpegDivided(file.bytes,
                                 jpegScaleDivisor(width, height, kept.width, kept.height));
    }
    return std::nullopt;
}

} // namespace

PixelSize mostKept(bool cached, DrawnBox drawnIn) {
    if (cached) {
        return {kLargestTextureSide, kLargestTextureSide};
    }
    return {std::clamp(drawnIn.width, 1, kLargestScaledWidth),
            std::clamp(drawnIn.height, 1, kLargestScaledHeight)};
}

SurfacePtr decodeRaster(const PictureFile& file, PixelSize upright) {
    const PictureOrientation orientation = file.size.orientation;
    // Decoded and kept as stored, then turned: the box a photo is drawn in stands upright.
    const PixelSize most =
        swapsSides(orientation) ? PixelSize{upright.height, upright.width} : upright;
    const PixelSize kept =
        keptSize(static_cast<int>(file.size.width), static_cast<int>(file.size.height), most);
    std::optional<SurfacePtr> decoded = decodeAtKeptSize(file, kept);
    if (!decoded) {
        // Any other picture, and one in printing inks, must be small enough to decode whole.
        if (!isDecodableWhole(file.size.width, file.size.height)) {
            return nullptr;
        }
        const RWopsPtr source(
            SDL_RWFromConstMem(file.bytes.data(), static_cast<int>(file.bytes.size())));
        decoded =
            SurfacePtr(source ? decodeWhole(file.bytes, source.get(), file.size.format) : nullptr);
    }
    if (!*decoded) {
        return nullptr;
    }
    SurfacePtr converted = inOneFormat(std::move(*decoded));
    if (!converted) {
        return nullptr;
    }
    // A fraction decoded is rounded up, so a side may be a pixel off what is kept.
    SurfacePtr pixels = keptPixels(std::move(converted), kept);
    return pixels ? uprightSurface(std::move(pixels), orientation) : nullptr;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/sdl/RasterDecode.h"

#include "game/gfx/sdl/CmykJpeg.h"
#include "game/gfx/sdl/PngRows.h"
#include "game/gfx/sdl/ScaledJpeg.h"
#include "game/gfx/sdl/UprightSurface.h"

#include <SDL_image.h>
#include <algorithm>
#include <cmath>
#include <cstdint>
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

std::uint32_t bigEndian(std::span<const unsigned char> bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) {
        value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    }
    return value;
}

// Length, type, data and check of every chunk, after the signature, up to the end chunk.
bool pngChunksWhole(std::span<const unsigned char> bytes) {
    std::size_t at = 8;
    while (bytes.size() >= at + 12) {
        const std::uint32_t length = bigEndian(bytes, at, 4);
        if (bytes.size() - at - 12 < length) {
            return false;
        }
        if (bigEndian(bytes, at + 4, 4) == 0x49454E44) { // IEND
            return true;
        }
        at += std::size_t{length} + 12;
    }
    return false;
}

// Rows that are not interlaced, which the row decoder takes.
bool pngNotInterlaced(std::span<const unsigned char> bytes) {
    constexpr std::size_t kInterlaceAt = 28; // in the header chunk, which comes first
    return bytes.size() > kInterlaceAt && bytes[kInterlaceAt] == 0;
}

// What the marker segments of a JPEG's header tell, from the start of image on.
struct JpegHeader {
    bool scanReached = false;   // every segment up to the start of the scan is there
    bool channelsTaken = false; // a frame of one, three or four channels
};

JpegHeader jpegHeader(std::span<const unsigned char> bytes) {
    JpegHeader header;
    std::size_t at = 2;
    while (bytes.size() >= at + 4) {
        if (bytes[at] != 0xFF) {
            return header;
        }
        const unsigned char marker = bytes[at + 1];
        if (marker == 0xFF) { // fill bytes before a marker
            ++at;
            continue;
        }
        const std::uint32_t length = bigEndian(bytes, at + 2, 2);
        if (length < 2 || bytes.size() - at - 2 < length) {
            return header;
        }
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame && length >= 8) {
            const unsigned char channels = bytes[at + 9];
            header.channelsTaken = channels == 1 || channels == 3 || channels == 4;
        }
        if (marker == 0xDA) { // start of scan
            header.scanReached = true;
            return header;
        }
        at += std::size_t{length} + 2;
    }
    return header;
}

} // namespace

bool decodedByOwnDecoders(std::span<const unsigned char> start, ImageFormat format) {
    switch (format) {
    case ImageFormat::Png:
        return pngNotInterlaced(start);
    case ImageFormat::Jpeg:
        return jpegHeader(start).channelsTaken;
    default:
        return false;
    }
}

bool layableBeforeDecoding(const PictureFile& file) {
    if (!decodedByOwnDecoders(file.bytes, file.size.format)) {
        return false;
    }
    return file.size.format == ImageFormat::Png ? pngChunksWhole(file.bytes)
                                                : jpegHeader(file.bytes).scanReached;
}

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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/sdl/SdlResources.h"

#include "common/pictures/PictureFile.h"
#include "common/text/Utf8.h"
#include "game/gfx/sdl/CmykJpeg.h"
#include "game/gfx/sdl/ScaledJpeg.h"
#include "game/gfx/sdl/SurfaceOpacity.h"
#include "game/gfx/sdl/TextLayout.h"
#include "game/gfx/sdl/UprightSurface.h"

#include <SDL_image.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <span>

namespace {

constexpr float kLargestPixels = 2000.0f;

// Everything shows within the game's 800 x 600, so a larger picture is kept at most this large
// per side. Its size stays the file's own, so it is laid out and drawn exactly as before.
constexpr int kLargestTextureSide = 1600;
// A picture drawn scaled is drawn into the 800 x 600 offscreen image: it is kept no larger than
// the box its screen draws it into, and never larger than fits in that image (a painting's
// frame, drawn half as large again, shows no more than that either).
constexpr int kLargestScaledWidth = 800;
constexpr int kLargestScaledHeight = 600;

// SDL_ttf takes a whole number of points at a given resolution, and a point is resolution / 72
// pixels. Whole points are taken at the screen's 96 dots per inch and whole pixels at 72; any
// other size is rounded to a quarter pixel, a point at 18 dots per inch.
FontSize fontSize(float size, FontUnit unit) {
    if (!std::isfinite(size)) {
        size = 1.0f;
    }
    if (unit == FontUnit::Point && size == std::trunc(size) && size >= 1.0f &&
        size * 96.0f / 72.0f <= kLargestPixels) {
        return FontSize{static_cast<int>(size), 96};
    }
    const float pixels =
        std::clamp(unit == FontUnit::Point ? size * 96.0f / 72.0f : size, 1.0f, kLargestPixels);
    if (pixels == std::trunc(pixels)) {
        return FontSize{static_cast<int>(pixels), 72};
    }
    return FontSize{static_cast<int>(std::lround(pixels * 4.0f)), 18};
}

// Each format by its own decoder, so that no other decoder can claim the file on the strength of
// a few bytes inside it and decode it at a size nobody checked.
SDL_Surface* decode(std::span<const unsigned char> bytes, SDL_RWops* source, ImageFormat format) {
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

// The raster size for drawing into `extent` pixels: whole pixels, at least one, and no more than
// the game keeps of any picture.
int rasterSide(float extent) {
    const float side = std::fabs(extent);
    if (!(side >= 1.0f)) {
        return 1;
    }
    return side >= static_cast<float>(kLargestTextureSide) ? kLargestTextureSide
                                                           : static_cast<int>(std::lround(side));
}

struct PixelSize {
    int width;
    int height;
};

// The size the game keeps of a picture of `width` x `height`: its own when it fits in `most`
// pixels across and down, else the largest of its shape that does.
PixelSize keptSize(int width, int height, int mostWidth, int mostHeight) {
    if (width <= mostWidth && height <= mostHeight) {
        return {width, height};
    }
    const double scale =
        std::min(static_cast<double>(mostWidth) / width, static_cast<double>(mostHeight) / height);
    return {std::max(1, static_cast<int>(std::lround(width * scale))),
            std::max(1, static_cast<int>(std::lround(height * scale)))};
}

// The picture itself when it is of the size kept, else a smoothly scaled-down copy that is; null
// when the copy cannot be made.
SurfacePtr keptPixels(SurfacePtr pixels, PixelSize kept) {
    if (pixels->w == kept.width && pixels->h == kept.height) {
        return pixels;
    }
    const auto [width, height] = kept;
    SurfacePtr smaller(
        SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888));
    if (!smaller || SDL_SoftStretchLinear(pixels.get(), nullptr, smaller.get(), nullptr) != 0) {
        return nullptr;
    }
    return smaller;
}

// The most pixels across and down the game keeps of a picture: a cached one is drawn at its own
// size, a plain one scaled into the box it is drawn in. A box of no pixels would keep nothing of
// the picture: one pixel is the least kept.
PixelSize mostKept(bool cached, DrawnBox drawnIn) {
    if (cached) {
        return {kLargestTextureSide, kLargestTextureSide};
    }
    return {std::clamp(drawnIn.width, 1, kLargestScaledWidth),
            std::clamp(drawnIn.height, 1, kLargestScaledHeight)};
}

// A picture's pixels as decoded, in the orientation stored, and the size it is laid out and drawn
// at: its own, standing upright, even when decoded at a fraction of it. No pixels when it could
// not be decoded.
struct DecodedPicture {
    SurfacePtr pixels;
    int width = 0;
    int height = 0;
};

// A JPEG larger than the game keeps is decoded at the smallest fraction of its size that is still
// no smaller than what is kept (`most` as stored), much faster than whole and in memory that
// follows the size drawn. Nothing when it is not decoded so (it is small enough, or not of a kind
// decoded at a fraction); no pixels when it cannot be decoded.
std::optional<SurfacePtr> decodeJpegFraction(const PictureFile& file, PixelSize most) {
    const int width = static_cast<int>(file.size.width);
    const int height = static_cast<int>(file.size.height);
    const PixelSize kept = keptSize(width, height, most.width, most.height);
    const int divisor = jpegScaleDivisor(width, height, kept.width, kept.height);
    if (divisor <= 1) {
        return std::nullopt;
    }
    return decodeJpegDivided(file.bytes, divisor);
}

// `most` is as the picture is stored. Only a JPEG is decoded at a fraction; any other picture, and
// a JPEG decoded whole (one in printing inks), must be small enough to decode whole.
DecodedPicture decodePicture(const PictureFile& file, SDL_RWops* source, PixelSize most) {
    const int width = static_cast<int>(file.size.uprightWidth());
    const int height = static_cast<int>(file.size.uprightHeight());
    if (file.size.format == ImageFormat::Jpeg) {
        if (std::optional<SurfacePtr> fraction = decodeJpegFraction(file, most)) {
            return DecodedPicture{std::move(*fraction), width, height};
        }
    }
    if (!isDecodableWhole(file.size.width, file.size.height)) {
        return DecodedPicture{};
    }
    SurfacePtr whole(decode(file.bytes, source, file.size.format));
    if (!whole) {
        return DecodedPicture{};
    }
    // The decoder's own size, standing upright.
    const bool swapped = swapsSides(file.size.orientation);
    const int wholeWidth = swapped ? whole->h : whole->w;
    const int wholeHeight = swapped ? whole->w : whole->h;
    return DecodedPicture{std::move(whole), wholeWidth, wholeHeight};
}

// One format for every image (a transparent colour of a palette image becomes alpha), so that
// opacity can be read off. A picture decoded in it already (a JPEG decoded at a fraction of its
// size) is taken as it is, without a second copy of its pixels. Null when it cannot be converted.
SurfacePtr inOneFormat(SurfacePtr decoded) {
    if (decoded->format->format == SDL_PIXELFORMAT_ARGB8888 && !SDL_HasColorKey(decoded.get())) {
        return decoded;
    }
    return SurfacePtr(SDL_ConvertSurfaceFormat(decoded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
}

} // namespace

SdlResources::SdlResources(SDL_Renderer* renderer, FileSystem& files)
    : renderer_(renderer), files_(files), texts_(renderer, serials_), vectors_(renderer) {}

std::unique_ptr<SdlImage> SdlResources::loadImage(std::u16string_view path, bool cached,
                                                  DrawnBox drawnIn) {
    const std::unique_ptr<InputStream> stream = files_.openForReading(path);
    if (!stream) {
        return std::make_unique<SdlImage>(newSerial()); // missing: nothing to report
    }
    // The size on disk and the size the header declares are checked first, so a picture too
    // large to read or decode costs nothing.
    std::optional<PictureFile> file = readPictureFile(*stream);
    if (file && file->size.format == ImageFormat::Svg) {
        return vectorImage(path, std::move(*file));
    }
    std::unique_ptr<SdlImage> image = file ? rasterImage(*file, cached, drawnIn) : nullptr;
    if (!image) {
        // A file that is there but cannot be shown is named, so the adult can find out why.
        reportUnshowable(path);
        return std::make_unique<SdlImage>(newSerial());
    }
    return image;
}

std::unique_ptr<SdlImage> SdlResources::vectorImage(std::u16string_view path, PictureFile file) {
    auto vector = std::make_unique<VectorRaster>();
    vector->path = path;
    vector->source = std::move(file.bytes);
    return std::make_unique<SdlImage>(std::move(vector), static_cast<int>(file.size.width),
                                      static_cast<int>(file.size.height), newSerial(), this);
}

std::unique_ptr<SdlImage> SdlResources::rasterImage(const PictureFile& file, bool cached,
                                                    DrawnBox drawnIn) {
    const RWopsPtr source(
        SDL_RWFromConstMem(file.bytes.data(), static_cast<int>(file.bytes.size())));
    if (!source) {
        return nullptr;
    }
    const PixelSize upright = mostKept(cached, drawnIn);
    const PictureOrientation orientation = file.size.orientation;
    // Decoded and kept as stored, then turned: the box a photo is drawn in stands upright.
    const PixelSize most =
        swapsSides(orientation) ? PixelSize{upright.height, upright.width} : upright;
    DecodedPicture decoded = decodePicture(file, source.get(), most);
    if (!decoded.pixels) {
        return nullptr;
    }
    SurfacePtr converted = inOneFormat(std::move(decoded.pixels));
    const int storedWidth = swapsSides(orientation) ? decoded.height : decoded.width;
    const int storedHeight = swapsSides(orientation) ? decoded.width : decoded.height;
    // From the picture's own size: a fraction decoded is rounded up, and a side may be one pixel
    // off.
    SurfacePtr kept =
        !converted ? nullptr
                   : keptPixels(std::move(converted),
                                keptSize(storedWidth, storedHeight, most.width, most.height));
    SurfacePtr pixels = kept ? uprightSurface(std::move(kept), orientation) : nullptr;
    if (!pixels) {
        return nullptr;
    }
    return textureImage(std::move(pixels), decoded.width, decoded.height, cached);
}

std::unique_ptr<SdlImage> SdlResources::textureImage(SurfacePtr pixels, int width, int height,
                                                     bool cached) {
    TexturePtr texture(SDL_CreateTextureFromSurface(renderer_, pixels.get()));
    if (!texture) {
        return nullptr;
    }
    // An opaque image is copied rather than blended: the same picture, much less work.
    SDL_SetTextureBlendMode(texture.get(),
                            fullyOpaque(*pixels) ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
    // A cached picture is always drawn at its own size; a plain one is scaled, and smoothly, as
    // is a picture kept smaller than its size.
    const bool ownSize = pixels->w == width && pixels->h == height;
    SDL_SetTextureScaleMode(texture.get(),
                            cached && ownSize ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
    return std::make_unique<SdlImage>(std::move(texture), width, height, newSerial(), this);
}

SDL_Texture* SdlResources::vectorTexture(const SdlImage& image, RectF rect) {
    VectorRaster& raster = *image.vector();
    const bool failedBefore = raster.failed;
    SDL_Texture* texture =
        vectors_.texture(raster, rasterSide(rect.width), rasterSide(rect.height), retired_);
    if (raster.failed && !failedBefore) {
        reportUnshowable(raster.path);
    }
    return texture;
}

void SdlResources::reportUnshowable(std::u16string_view path) {
    if (reported_.emplace(path).second) {
        std::fprintf(stderr, "Vimo: cannot show the picture %s\n", toUtf8(path).c_str());
    }
}

std::unique_ptr<SdlFont> SdlResources::createFont(std::u16string_view family, float size,
                                                  FontUnit unit) {
    const FontSize ttfSize = fontSize(size, unit);
    std::optional<FontFile> file = fonts_.find(family);
    TtfFontPtr font = file ? openFont(*file, ttfSize) : nullptr;
    if (!font) {
        // The file fontconfig named could not be opened after all.
        file = fonts_.sansSerif();
        font = file ? openFont(*file, ttfSize) : nullptr;
    }
    if (!font) {
        return std::make_unique<SdlFont>();
    }
    return std::make_unique<SdlFont>(std::move(font), file->family, ttfSize.pixels(),
                                     faceSerial(*file, ttfSize));
}

TtfFontPtr SdlResources::openFont(const FontFile& file, FontSize size) const {
    if (!ttfLibrary_.started()) {
        return nullptr;
    }
    return TtfFontPtr(
        TTF_OpenFontIndexDPI(file.path.c_str(), size.points, file.index, size.dpi, size.dpi));
}

std::uint64_t SdlResources::faceSerial(const FontFile& file, FontSize size) {
    std::string key = file.path;
    key += '\0';
    key += std::to_string(file.index);
    key += '\0';
    key += std::to_string(size.points);
    key += '@';
    key += std::to_string(size.dpi);
    auto found = faces_.find(key);
    if (found == faces_.end()) {
        found = faces_.emplace(std::move(key), newSerial()).first;
    }
    return found->second;
}

RectF SdlResources::measureString(std::u16string_view text, const SdlFont& font) const {
    const TextLayout layout(text, font.get());
    return RectF{0, 0, static_cast<float>(layout.width()), static_cast<float>(layout.height())};
}

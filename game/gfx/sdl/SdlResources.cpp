// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/sdl/SdlResources.h"

#include "common/pictures/PictureFile.h"
#include "common/text/Utf8.h"
#include "game/gfx/sdl/PictureStructure.h"
#include "game/gfx/sdl/SurfaceOpacity.h"
#include "game/gfx/sdl/TextLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr float kLargestPixels = 2000.0f;

// An SVG is rasterised no larger than the game keeps of any picture.
constexpr int kLargestRasterSide = 1600;

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

// The raster size for drawing into `extent` pixels: whole pixels, at least one, and no more than
// the game keeps of any picture.
int rasterSide(float extent) {
    const float side = std::fabs(extent);
    if (!(side >= 1.0f)) {
        return 1;
    }
    return side >= static_cast<float>(kLargestRasterSide) ? kLargestRasterSide
                                                          : static_cast<int>(std::lround(side));
}

} // namespace

SdlResources::SdlResources(SDL_Renderer* renderer, FileSystem& files)
    : renderer_(renderer), files_(files), texts_(renderer, serials_), vectors_(renderer) {}

std::unique_ptr<SdlImage> SdlResources::loadImage(std::u16string_view path, bool cached,
                                                  DrawnBox drawnIn) {
    std::unique_ptr<InputStream> stream = files_.openForReading(path);
    if (!stream) {
        return std::make_unique<SdlImage>(newSerial()); // missing: nothing to report
    }
    // The size on disk and the size the header declares are checked first, so a picture too
    // large to read or decode costs nothing.
    std::optional<PictureStart> start = readPictureStart(*stream);
    if (start && !cached && !start->whole && start->declared &&
        decodedByOwnDecoders(start->bytes, start->declared->format)) {
        // A photo of the content is laid out at the size its start declares, and the rest of it
        // read and decoded on a worker: the screen's first frame waits for none of it.
        const ImageFileSize declared = *start->declared;
        return pendingImage(
            decoders_.decodeRest(std::move(stream), std::move(*start), mostKept(cached, drawnIn)),
            path, cached, declared);
    }
    std::optional<PictureFile> file =
        start ? readPictureRest(*stream, std::move(*start)) : std::nullopt;
    if (file && file->size.format == ImageFormat::Svg) {
        return vectorImage(path, std::move(*file));
    }
    if (!file) {
        // A file that is there but cannot be shown is named, so the adult can find out why.
        reportUnshowable(path);
        return std::make_unique<SdlImage>(newSerial());
    }
    const auto width = static_cast<int>(file->size.uprightWidth());
    const auto height = static_cast<int>(file->size.uprightHeight());
    if (!layableBeforeDecoding(*file)) {
        // Decoded here and now: only its decoding tells whether it shows at all.
        const SurfacePtr pixels = decodeRaster(*file, mostKept(cached, drawnIn));
        TexturePtr texture = pixels ? makeTexture(*pixels, width, height, cached) : nullptr;
        if (!texture) {
            reportUnshowable(path);
            return std::make_unique<SdlImage>(newSerial());
        }
        return std::make_unique<SdlImage>(std::move(texture), width, height, newSerial(), this);
    }
    // Laid out at once at the size its header declares; decoded on a worker meanwhile.
    const ImageFileSize declared = file->size;
    return pendingImage(decoders_.decode(std::move(*file), mostKept(cached, drawnIn)), path, cached,
                        declared);
}

std::unique_ptr<SdlImage> SdlResources::pendingImage(std::unique_ptr<PendingPicture> decoding,
                                                     std::u16string_view path, bool cached,
                                                     const ImageFileSize& declared) {
    auto pending = std::make_unique<PendingRaster>();
    pending->decoding = std::move(decoding);
    pending->path = path;
    pending->cached = cached;
    return std::make_unique<SdlImage>(std::move(pending), static_cast<int>(declared.uprightWidth()),
                                      static_cast<int>(declared.uprightHeight()), newSerial(),
                                      this);
}

std::unique_ptr<SdlImage> SdlResources::vectorImage(std::u16string_view path, PictureFile file) {
    auto vector = std::make_unique<VectorRaster>();
    vector->path = path;
    vector->source = std::move(file.bytes);
    return std::make_unique<SdlImage>(std::move(vector), static_cast<int>(file.size.width),
                                      static_cast<int>(file.size.height), newSerial(), this);
}

SDL_Texture* SdlResources::rasterTexture(const SdlImage& image) {
    PendingRaster* pending = image.pending();
    if (pending == nullptr) {
        return image.texture();
    }
    // A decoration, drawn at its own size, is waited for; a picture of the content waits no longer
    // than the frame's wait for pictures, and shows in the turn after it is ready.
    const std::optional<std::uint32_t> wait = pending->cached ? std::nullopt : vectors_.waitLeft();
    std::optional<SurfacePtr> decoded =
        pending->decoding->takeWithin(wait, vectors_.drawnHandler());
    if (!decoded) {
        return nullptr;
    }
    const SurfacePtr pixels = std::move(*decoded);
    TexturePtr texture =
        pixels ? makeTexture(*pixels, image.width(), image.height(), pending->cached) : nullptr;
    if (!texture) {
        reportUnshowable(pending->path);
    }
    image.settle(std::move(texture));
    return image.texture();
}

TexturePtr SdlResources::makeTexture(SDL_Surface& pixels, int width, int height, bool cached) {
    TexturePtr texture(SDL_CreateTextureFromSurface(renderer_, &pixels));
    if (!texture) {
        return nullptr;
    }
    // An opaque image is copied rather than blended: the same picture, much less work.
    SDL_SetTextureBlendMode(texture.get(),
                            fullyOpaque(pixels) ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
    // A cached picture is always drawn at its own size; a plain one is scaled, and smoothly, as
    // is a picture kept smaller than its size.
    const bool ownSize = pixels.w == width && pixels.h == height;
    SDL_SetTextureScaleMode(texture.get(),
                            cached && ownSize ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
    return texture;
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

// SPDX-License-Identifier: GPL-3.0-or-later
// What the window and the offscreen surface share: image loading through the file layer, fonts
// found through fontconfig, the rendered-text cache, and the libraries these need. Every image
// and font it makes must be destroyed before it, and it before the renderer.
#pragma once

#include "common/files/FileSystem.h"
#include "common/pictures/PictureFile.h"
#include "game/gfx/Graphics.h"
#include "game/gfx/sdl/DecodeWorkers.h"
#include "game/gfx/sdl/FontFinder.h"
#include "game/gfx/sdl/GraphicsHandles.h"
#include "game/gfx/sdl/ImageLibrary.h"
#include "game/gfx/sdl/SdlFont.h"
#include "game/gfx/sdl/SdlImage.h"
#include "game/gfx/sdl/TextCache.h"
#include "game/gfx/sdl/TtfLibrary.h"
#include "game/gfx/sdl/VectorPictures.h"

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

// A size as SDL_ttf takes it: whole points at a resolution in dots per inch.
struct FontSize {
    int points;
    unsigned dpi;
    float pixels() const { return static_cast<float>(points) * static_cast<float>(dpi) / 72.0f; }
};

class SdlResources {
public:
    SdlResources(SDL_Renderer* renderer, FileSystem& files);
    SdlResources(const SdlResources&) = delete;
    SdlResources& operator=(const SdlResources&) = delete;

    SDL_Renderer* renderer() const { return renderer_; }

    // Never null; 0 x 0 when the file is missing, empty, unreadable, not a PNG, JPEG, GIF, BMP,
    // TIFF, WebP or SVG picture, or declares more pixels than the game ever decodes. Otherwise of
    // the size its file declares, standing upright as its camera recorded, and decoded on a
    // worker (rasterTexture waits for it). A picture larger than the game can show keeps its own
    // size but is held scaled down: a plain one to fit in `drawnIn` (and 800 x 600), a cached one
    // in 1600 a side. A file that is there but cannot be shown is named once on standard error,
    // and draws nothing.
    std::unique_ptr<SdlImage> loadImage(std::u16string_view path, bool cached, DrawnBox drawnIn);
    // The texture of a raster image, made from its pixels when it is first wanted, waiting for
    // their decoding (a plain picture no longer than what is left of the frame's wait for
    // pictures); null while there are none yet, and for good when there are none.
    SDL_Texture* rasterTexture(const SdlImage& image);
    // The texture of an SVG image rasterised for drawing into `rect`, made anew only when the
    // size changes, away from this thread (VectorPictures); null while there is none, and for
    // good when it cannot be made within the picture budget.
    SDL_Texture* vectorTexture(const SdlImage& image, RectF rect);
    VectorPictures& vectorPictures() { return vectors_; }
    // Never null; the generic sans-serif family stands in for a family that is not installed.
    std::unique_ptr<SdlFont> createFont(std::u16string_view family, float size, FontUnit unit);
    RectF measureString(std::u16string_view text, const SdlFont& font) const;
    TextCache& texts() { return texts_; }
    FontFinder& fonts() { return fonts_; }

    std::uint64_t newSerial() { return ++serials_; }

    // Keeps the texture of a destroyed image until releaseRetired, since drawing recorded before
    // the image went may still copy it.
    void retire(TexturePtr texture) { retired_.push_back(std::move(texture)); }
    void releaseRetired() { retired_.clear(); }

private:
    std::unique_ptr<SdlImage> vectorImage(std::u16string_view path, PictureFile file);
    // An image of the size `declared`, standing upright, whose pixels `decoding` brings.
    std::unique_ptr<SdlImage> pendingImage(std::unique_ptr<PendingPicture> decoding,
                                           std::u16string_view path, bool cached,
                                           const ImageFileSize& declared);
    // `pixels` (in ARGB8888) as the texture of a picture of `width` x `height`; null when the
    // texture cannot be made.
    TexturePtr makeTexture(SDL_Surface& pixels, int width, int height, bool cached);
    TtfFontPtr openFont(const FontFile& file, FontSize size) const;
    std::uint64_t faceSerial(const FontFile& file, FontSize size);
    // Once per file for the life of the resources, which is the game's run.
    void reportUnshowable(std::u16string_view path);

    SDL_Renderer* renderer_;
    FileSystem& files_;
    ImageLibrary imageLibrary_;
    TtfLibrary ttfLibrary_;
    FontFinder fonts_;
    std::uint64_t serials_ = 0;
    std::map<std::string, std::uint64_t> faces_;
    TextCache texts_;
    VectorPictures vectors_;
    std::vector<TexturePtr> retired_;
    std::set<std::u16string, std::less<>> reported_;
    // Declared last, so gone first: no worker still decodes once the rest goes.
    DecodeWorkers decoders_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// A picture loaded as an SDL texture. The texture may still be wanted by drawing that has been
// recorded but not yet carried out, so on destruction it is handed to the resources that made it,
// which free it once that drawing is done. An SVG picture has no texture of its own: it is
// rasterised at the size it is drawn. A raster picture may still be being decoded on a worker:
// its texture is made when it is first drawn.
#pragma once

#include "game/gfx/Graphics.h"
#include "game/gfx/sdl/DecodeWorkers.h"
#include "game/gfx/sdl/GraphicsHandles.h"
#include "game/gfx/sdl/VectorRaster.h"

#include <cstdint>
#include <memory>
#include <string>

class SdlResources;

// A raster picture whose pixels are still coming: what its texture is made with.
struct PendingRaster {
    std::unique_ptr<PendingPicture> decoding;
    std::u16string path; // named on standard error should it fail to decode
    bool cached = false;
};

class SdlImage final : public Image {
public:
    // An image that could not be read: 0 x 0, no texture.
    explicit SdlImage(std::uint64_t serial) : serial_(serial) {}
    SdlImage(TexturePtr texture, int width, int height, std::uint64_t serial, SdlResources* owner);
    // An SVG picture of the size its file declares.
    SdlImage(std::unique_ptr<VectorRaster> vector, int width, int height, std::uint64_t serial,
             SdlResources* owner);
    // A raster picture of the size its file declares, being decoded.
    SdlImage(std::unique_ptr<PendingRaster> pending, int width, int height, std::uint64_t serial,
             SdlResources* owner);
    ~SdlImage() override;
    SdlImage(const SdlImage&) = delete;
    SdlImage& operator=(const SdlImage&) = delete;

    int width() const override { return width_; }
    int height() const override { return height_; }

    SDL_Texture* texture() const { return texture_.get(); }
    // Non-null while the pixels are still being decoded.
    PendingRaster* pending() const { return pending_.get(); }
    // The texture made once the pixels came (null when they could not be decoded): the picture
    // is no longer pending. Drawing a picture makes it, so it is done through a const picture.
    void settle(TexturePtr texture) const;
    // Null unless the picture is an SVG. Its raster changes as it is drawn at other sizes.
    VectorRaster* vector() const { return vector_.get(); }
    // Unique for the life of the program, so recorded drawing can tell images apart even when a
    // new texture takes the address of a freed one.
    std::uint64_t serial() const { return serial_; }

private:
    mutable TexturePtr texture_;
    mutable std::unique_ptr<PendingRaster> pending_;
    std::unique_ptr<VectorRaster> vector_;
    int width_ = 0;
    int height_ = 0;
    std::uint64_t serial_;
    SdlResources* owner_ = nullptr;
};

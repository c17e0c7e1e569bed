// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/sdl/SdlImage.h"

#include "game/gfx/sdl/SdlResources.h"

#include <utility>

SdlImage::SdlImage(TexturePtr texture, int width, int height, std::uint64_t serial,
                   SdlResources* owner)
    : texture_(std::move(texture)), width_(width), height_(height), serial_(serial), owner_(owner) {
}

SdlImage::SdlImage(std::unique_ptr<VectorRaster> vector, int width, int height,
                   std::uint64_t serial, SdlResources* owner)
    : vector_(std::move(vector)), width_(width), height_(height), serial_(serial), owner_(owner) {}

SdlImage::SdlImage(std::unique_ptr<PendingRaster> pending, int width, int height,
                   std::uint64_t serial, SdlResources* owner)
    : pending_(std::move(pending)), width_(width), height_(height), serial_(serial), owner_(owner) {
}

void SdlImage::settle(TexturePtr texture) const {
    texture_ = std::move(texture);
    pending_.reset();
}

SdlImage::~SdlImage() {
    if (owner_ == nullptr) {
        return;
    }
    if (texture_) {
        owner_->retire(std::move(texture_));
    }
    if (vector_ && vector_->texture) {
        owner_->retire(std::move(vector_->texture));
    }
}

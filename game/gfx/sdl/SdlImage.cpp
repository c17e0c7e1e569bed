#include "game/gfx/sdl/SdlImage.h"

#include "game/gfx/sdl/SdlResources.h"

#include <utility>

SdlImage::SdlImage(TexturePtr texture, int width, int height, std::uint64_t serial,
                   SdlResources* owner)
    : texture_(std::move(texture)), width_(width), height_(height), serial_(serial), owner_(owner) {
}

SdlImage::~SdlImage() {
    if (owner_ != nullptr && texture_) {
        owner_->retire(std::move(texture_));
    }
}

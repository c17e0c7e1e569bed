// A picture loaded as an SDL texture. The texture may still be wanted by drawing that has been
// recorded but not yet carried out, so on destruction it is handed to the resources that made it,
// which free it once that drawing is done.
#pragma once

#include "game/gfx/Graphics.h"
#include "game/gfx/sdl/GraphicsHandles.h"

#include <cstdint>

class SdlResources;

class SdlImage final : public Image {
public:
    // An image that could not be read: 0 x 0, no texture.
    explicit SdlImage(std::uint64_t serial) : serial_(serial) {}
    SdlImage(TexturePtr texture, int width, int height, std::uint64_t serial, SdlResources* owner);
    ~SdlImage() override;
    SdlImage(const SdlImage&) = delete;
    SdlImage& operator=(const SdlImage&) = delete;

    int width() const override { return width_; }
    int height() const override { return height_; }

    SDL_Texture* texture() const { return texture_.get(); }
    // Unique for the life of the program, so recorded drawing can tell images apart even when a
    // new texture takes the address of a freed one.
    std::uint64_t serial() const { return serial_; }

private:
    TexturePtr texture_;
    int width_ = 0;
    int height_ = 0;
    std::uint64_t serial_;
    SdlResources* owner_ = nullptr;
};

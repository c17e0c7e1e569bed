// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/sdl/VectorPictures.h"

#include "game/gfx/sdl/SurfaceOpacity.h"
#include "game/gfx/sdl/VectorJob.h"

#include <algorithm>

void VectorPictures::setTiming(PictureBudget budget, std::optional<std::uint32_t> frameWait) {
    budget_ = budget;
    frameWait_ = frameWait;
    waitEnds_.reset();
}

std::optional<std::uint32_t> VectorPictures::waitLeft() {
    if (!frameWait_) {
        return std::nullopt;
    }
    const Clock::time_point now = Clock::now();
    if (!waitEnds_) {
        waitEnds_ = now + std::chrono::milliseconds(*frameWait_);
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(*waitEnds_ - now);
    return static_cast<std::uint32_t>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

void VectorPictures::start(VectorRaster& raster, int width, int height) {
    raster.job = std::make_unique<VectorJob>(raster.source, width, height, budget_, drawn_);
}

SDL_Texture* VectorPictures::texture(VectorRaster& raster, int width, int height,
                                     std::vector<TexturePtr>& retired) {
    if (raster.failed || (raster.texture && raster.width == width && raster.height == height)) {
        return raster.texture.get();
    }
    if (!raster.job) {
        start(raster, width, height);
    }
    const VectorJob::Outcome outcome = raster.job->waitFor(waitLeft());
    if (outcome == VectorJob::Outcome::Running) {
        return raster.texture.get(); // the picture as last drawn, until the new size is done
    }
    if (!takeDrawn(raster, retired)) {
        raster.failed = true;
        if (raster.texture) {
            retired.push_back(std::move(raster.texture));
        }
        return nullptr;
    }
    if (raster.width != width || raster.height != height) {
        start(raster, width, height); // the size changed while it was drawn
    }
    return raster.texture.get();
}

bool VectorPictures::takeDrawn(VectorRaster& raster, std::vector<TexturePtr>& retired) {
    const std::unique_ptr<VectorJob> job = std::move(raster.job);
    const SurfacePtr pixels = job->pixels();
    TexturePtr texture(pixels ? SDL_CreateTextureFromSurface(renderer_, pixels.get()) : nullptr);
    if (!texture) {
        return false;
    }
    SDL_SetTextureBlendMode(texture.get(),
                            fullyOpaque(*pixels) ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(texture.get(), SDL_ScaleModeLinear);
    if (raster.texture) {
        retired.push_back(std::move(raster.texture)); // drawing already recorded may still copy it
    }
    raster.texture = std::move(texture);
    raster.width = job->width();
    raster.height = job->height();
    return true;
}

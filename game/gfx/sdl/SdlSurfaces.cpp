// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/sdl/SdlSurfaces.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Frames that change every turn but are never shown are carried out now and then anyway, so
// that recorded drawing cannot pile up.
constexpr std::size_t kMostPending = 64;
constexpr int kAssumedRefreshRate = 60;
// A frame that draws over what is there (the rings' stop button) changes the picture when it is
// carried out again only where it blends: each pass moves a blended channel monotonically towards
// a fixed value, one 8-bit step at least, so within 2 x 255 passes (SDL's packed blending lets
// one channel's rounding follow another's) nothing changes any more. After this many passes the
// same frame again is neither carried out nor shown.
constexpr std::uint32_t kPassesUntilSettled = 1024;

int pixel(float value) {
    return std::isnan(value)
               ? 0
               : static_cast<int>(std::floor(std::clamp(value, -1.0e6f, 1.0e6f) + 0.5f));
}

DrawCommand clearToBlack() {
    DrawCommand command;
    command.kind = DrawCommand::Kind::Clear;
    command.argb = 0xFF000000;
    return command;
}

TexturePtr makeTarget(SDL_Renderer* renderer) {
    TexturePtr texture(SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                         SDL_TEXTUREACCESS_TARGET, SdlSurfaces::kWidth,
                                         SdlSurfaces::kHeight));
    if (texture) {
        // Shown as it is: the window gets the offscreen image's pixels, never a blend.
        SDL_SetTextureBlendMode(texture.get(), SDL_BLENDMODE_NONE);
    }
    return texture;
}

std::uint64_t refreshTicks(SDL_Renderer* renderer, const Clock& clock) {
    int rate = kAssumedRefreshRate;
    if (SDL_Window* window = SDL_RenderGetWindow(renderer)) {
        SDL_DisplayMode mode{};
        const int display = SDL_GetWindowDisplayIndex(window);
        if (display >= 0 && SDL_GetCurrentDisplayMode(display, &mode) == 0 &&
            mode.refresh_rate > 0) {
            rate = mode.refresh_rate;
        }
    }
    return clock.performanceFrequency() / static_cast<std::uint64_t>(rate);
}

} // namespace

SdlSurfaces::SdlSurfaces(SDL_Renderer* renderer, FileSystem& files, const Clock& clock)
    : renderer_(renderer), clock_(clock), resources_(renderer, files), painter_(renderer),
      offscreenImage_(makeTarget(renderer), kWidth, kHeight, resources_.newSerial(), nullptr),
      offscreen_(resources_, [this](const DrawCommand& command) { record(command); }),
      window_(resources_, [this](const DrawCommand& command) { drawOnWindow(command); }),
      refreshTicks_(refreshTicks(renderer, clock)) {
    if (offscreenImage_.texture() != nullptr) {
        // A new texture holds whatever memory it was given.
        SDL_SetRenderTarget(renderer_, offscreenImage_.texture());
        painter_.run(clearToBlack());
        SDL_SetRenderTarget(renderer_, nullptr);
    }
}

SdlSurfaces::~SdlSurfaces() = default;

bool SdlSurfaces::coversSurface(const DrawCommand& command) const {
    // Asked of every command recorded, so the kinds that never cover go first.
    const auto covers = [&command] {
        return pixel(command.x) <= 0 && pixel(command.y) <= 0 &&
               pixel(command.x + command.width) >= kWidth &&
               pixel(command.y + command.height) >= kHeight;
    };
    switch (command.kind) {
    case DrawCommand::Kind::Clear:
        return true;
    case DrawCommand::Kind::Fill:
        return (command.argb >> 24) == 0xFF && covers();
    case DrawCommand::Kind::Copy: {
        SDL_BlendMode blend = SDL_BLENDMODE_BLEND;
        return command.texture != nullptr && covers() &&
               SDL_GetTextureBlendMode(command.texture, &blend) == 0 && blend == SDL_BLENDMODE_NONE;
    }
    default:
        return false;
    }
}

void SdlSurfaces::record(const DrawCommand& command) {
    if (command.kind == DrawCommand::Kind::Copy && command.serial == offscreenImage_.serial()) {
        return; // the offscreen image cannot be drawn into itself
    }
    if (coversSurface(command)) {
        // Nothing drawn before it can show.
        current_.clear();
    }
    current_.push_back(command);
}

void SdlSurfaces::drawOnWindow(const DrawCommand& command) {
    if (command.kind == DrawCommand::Kind::Copy && command.serial == offscreenImage_.serial()) {
        showRequested_ = true;
        const int left = pixel(command.x);
        const int top = pixel(command.y);
        showRect_ = SDL_Rect{left, top, pixel(command.x + command.width) - left,
                             pixel(command.y + command.height) - top};
        return;
    }
    if (SDL_GetRenderTarget(renderer_) != nullptr) {
        SDL_SetRenderTarget(renderer_, nullptr);
    }
    painter_.run(command);
}

void SdlSurfaces::endFrame() {
    std::vector<DrawCommand> frame;
    frame.swap(current_);
    if (!frame.empty()) {
        const bool same = frame == previous_;
        if (same && (previousStandsAlone_ || previousPasses_ >= kPassesUntilSettled)) {
            // The same picture again; keep the buffer for the next frame.
            frame.clear();
            current_.swap(frame);
        } else if (same) {
            pending_.push_back(std::move(frame));
            ++previousPasses_;
            unshownChanges_ = true;
        } else {
            const bool standsAlone = coversSurface(frame.front());
            if (standsAlone) {
                pending_.clear(); // painted over entirely
            }
            pending_.push_back(frame);
            previous_ = std::move(frame);
            previousStandsAlone_ = standsAlone;
            previousPasses_ = 1;
            unshownChanges_ = true;
        }
    }
    if (showRequested_ && unshownChanges_) {
        presentWanted_ = true;
    }
    showRequested_ = false;

    if (presentWanted_ && mayPresent()) {
        renderPending();
        present();
    } else if (pending_.size() > kMostPending) {
        renderPending();
    }
    const bool nothingPending = pending_.empty();
    if (nothingPending) {
        resources_.releaseRetired();
    }
    resources_.texts().endFrame(nothingPending);
    resources_.vectorPictures().frameEnded();
}

void SdlSurfaces::invalidate() {
    presentWanted_ = true;
}

void SdlSurfaces::targetsReset() {
    if (offscreenImage_.texture() != nullptr) {
        SDL_SetRenderTarget(renderer_, offscreenImage_.texture());
        painter_.run(clearToBlack());
        SDL_SetRenderTarget(renderer_, nullptr);
    }
    // The next frame is drawn in full even if it repeats the last one.
    previous_.clear();
    previousStandsAlone_ = false;
    previousPasses_ = 0;
    presentWanted_ = true;
}

void SdlSurfaces::presentWindow() {
    if (SDL_GetRenderTarget(renderer_) != nullptr) {
        SDL_SetRenderTarget(renderer_, nullptr);
    }
    SDL_RenderPresent(renderer_);
    ++presentCount_;
    presented_ = true;
    lastPresent_ = clock_.performanceCounter();
}

std::uint32_t SdlSurfaces::refreshMilliseconds() const {
    const std::uint64_t frequency = std::max<std::uint64_t>(clock_.performanceFrequency(), 1);
    return static_cast<std::uint32_t>(std::max<std::uint64_t>(refreshTicks_ * 1000 / frequency, 1));
}

std::optional<std::uint32_t> SdlSurfaces::millisecondsUntilPresent() const {
    if (!presentWanted_) {
        return std::nullopt;
    }
    if (mayPresent()) {
        return 0;
    }
    const std::uint64_t left = refreshTicks_ - (clock_.performanceCounter() - lastPresent_);
    const std::uint64_t frequency = std::max<std::uint64_t>(clock_.performanceFrequency(), 1);
    return static_cast<std::uint32_t>((left * 1000 + frequency - 1) / frequency);
}

bool SdlSurfaces::mayPresent() const {
    return !presented_ || clock_.performanceCounter() - lastPresent_ >= refreshTicks_;
}

void SdlSurfaces::renderPending() {
    if (pending_.empty()) {
        return;
    }
    // Without a render target (a renderer that offers none) the frames go straight to the window.
    SDL_SetRenderTarget(renderer_, offscreenImage_.texture());
    for (const std::vector<DrawCommand>& frame : pending_) {
        for (const DrawCommand& command : frame) {
            painter_.run(command);
        }
    }
    SDL_SetRenderTarget(renderer_, nullptr);
    pending_.clear();
}

void SdlSurfaces::present() {
    if (offscreenImage_.texture() != nullptr) {
        // Clears the bars beside a scaled picture too.
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 0xFF);
        SDL_RenderClear(renderer_);
        SDL_RenderCopy(renderer_, offscreenImage_.texture(), nullptr, &showRect_);
    }
    presentWindow();
    presentWanted_ = false;
    unshownChanges_ = false;
}

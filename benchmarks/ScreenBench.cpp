// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenBench.h"

#include <optional>
#include <stdexcept>
#include <utility>

namespace {

// Frames a display refresh apart, at 60 frames per second.
constexpr std::uint32_t kRefreshMilliseconds = 17;

// As the game's pointer: a move the screen makes (its scanner framing a target) reaches the
// screen as a move of the mouse in the next turn.
class EchoPointer : public Pointer {
public:
    void moveTo(int x, int y) override { moved = std::make_pair(x, y); }
    bool takesPresses() const override { return true; }
    std::optional<std::pair<int, int>> moved;
};

class SilentErrorBox : public ErrorBox {
public:
    void showError(std::u16string_view, std::u16string_view) override {}
};

SurfacePtr makeSurface() {
    SurfacePtr surface(SDL_CreateRGBSurfaceWithFormat(0, SdlSurfaces::kWidth, SdlSurfaces::kHeight,
                                                      32, SDL_PIXELFORMAT_ARGB8888));
    if (!surface) {
        throw std::runtime_error(SDL_GetError());
    }
    return surface;
}

SDL_Renderer* checked(SDL_Renderer* renderer) {
    if (renderer == nullptr) {
        throw std::runtime_error(SDL_GetError());
    }
    return renderer;
}

} // namespace

ScreenBench::ScreenBench(const std::filesystem::path& content, ScreenId id)
    : surface_(makeSurface()), renderer_(checked(SDL_CreateSoftwareRenderer(surface_.get()))),
      files_(content), pointer_(std::make_unique<EchoPointer>()),
      errorBox_(std::make_unique<SilentErrorBox>()), random_(clock_.wallSeconds()),
      surfaces_(renderer_.get(), files_, clock_),
      factory_(ScreenServices{files_, clock_, sound_, *pointer_, *errorBox_, random_,
                              lastPressTimes_, unsavedSettings_, access_, log_, system_}) {
    factory_.build(id);
    begun_ =
        screen().begin(surfaces_.offscreen(), surfaces_.window(), surfaces_.offscreenImage()) != 0;
}

ScreenBench::~ScreenBench() {
    // The screen and everything it made go before the surfaces and the renderer.
    factory_.close();
}

bool ScreenBench::turn() {
    clock_.advanceMilliseconds(kRefreshMilliseconds);
    auto& pointer = static_cast<EchoPointer&>(*pointer_);
    if (const std::optional<std::pair<int, int>> moved = std::exchange(pointer.moved, {})) {
        screen().mouseMove(moved->first, moved->second);
    }
    if (screen().update() != Stay) {
        return false;
    }
    screen().draw();
    surfaces_.endFrame();
    return true;
}

bool ScreenBench::changeTo(ScreenId id) {
    factory_.build(id);
    begun_ =
        screen().begin(surfaces_.offscreen(), surfaces_.window(), surfaces_.offscreenImage()) != 0;
    return begun_ && turnUntilShown(4);
}

bool ScreenBench::turnUntilShown(int turns) {
    const std::uint64_t shown = surfaces_.presentCount();
    for (int i = 0; i < turns && surfaces_.presentCount() == shown; ++i) {
        turn();
    }
    return surfaces_.presentCount() != shown;
}

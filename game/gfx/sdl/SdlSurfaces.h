// SPDX-License-Identifier: GPL-3.0-or-later
// The game's two drawing surfaces on one SDL renderer: the 800 x 600 offscreen image that every
// screen paints (a render-target texture that keeps its content between frames) and the window
// it is shown in. Offscreen drawing is recorded and carried out only when a frame changes
// something (a frame that repeats the last one changes nothing when it paints the whole surface,
// and once it has settled when it draws over what is there), and the window is presented at most
// once per display refresh, so an idle screen costs almost nothing although it draws every turn.
//
// Everything made through offscreen() or window() (images, fonts) must be destroyed before this
// object, and this object before the renderer.
#pragma once

#include "common/files/FileSystem.h"
#include "game/gfx/Graphics.h"
#include "game/gfx/sdl/DrawCommand.h"
#include "game/gfx/sdl/SdlGraphics.h"
#include "game/gfx/sdl/SdlImage.h"
#include "game/gfx/sdl/SdlPainter.h"
#include "game/gfx/sdl/SdlResources.h"
#include "game/platform/Clock.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

class SdlSurfaces {
public:
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 600;

    // `renderer` is borrowed; a logical size set on it is honoured. `clock` paces the presents.
    SdlSurfaces(SDL_Renderer* renderer, FileSystem& files, const Clock& clock);
    ~SdlSurfaces();
    SdlSurfaces(const SdlSurfaces&) = delete;
    SdlSurfaces& operator=(const SdlSurfaces&) = delete;

    // Drawing here is recorded until endFrame.
    Graphics& offscreen() { return offscreen_; }
    // Drawing here goes straight to the window's back buffer (for the splash, followed by
    // presentWindow), except that drawing offscreenImage() asks for the frame to be shown.
    Graphics& window() { return window_; }
    Image& offscreenImage() { return offscreenImage_; }
    // How long SVG pictures may take to draw, and who hears when one is drawn.
    VectorPictures& vectorPictures() { return resources_.vectorPictures(); }

    // Called by the main loop after every turn that drew. Renders the recorded drawing into the
    // offscreen image and presents it when the frame differs from the last one presented (or
    // after invalidate); within a display refresh of the last present, the present waits for a
    // later endFrame.
    void endFrame();
    // The window was exposed: present again although nothing changed.
    void invalidate();
    // The renderer lost its render targets (SDL_RENDER_TARGETS_RESET): the offscreen image is
    // cleared and the next frame is drawn and presented in full.
    void targetsReset();
    // Shows what was drawn straight on the window.
    void presentWindow();

    std::uint64_t presentCount() const { return presentCount_; }
    // The display's refresh period, at least 1.
    std::uint32_t refreshMilliseconds() const;
    // When a frame held back within a display refresh may be shown; empty when none waits.
    std::optional<std::uint32_t> millisecondsUntilPresent() const;

private:
    void record(const DrawCommand& command);
    void drawOnWindow(const DrawCommand& command);
    bool coversSurface(const DrawCommand& command) const;
    bool mayPresent() const;
    void renderPending();
    void present();

    SDL_Renderer* renderer_;
    const Clock& clock_;
    SdlResources resources_;
    SdlPainter painter_;
    SdlImage offscreenImage_;
    SdlGraphics offscreen_;
    SdlGraphics window_;
    std::uint64_t refreshTicks_;

    std::vector<DrawCommand> current_;
    std::vector<DrawCommand> previous_;
    // The previous frame started with something that covers the whole surface, so the same
    // commands again give the same picture.
    bool previousStandsAlone_ = false;
    // How often the previous frame, drawn over what was there, has been carried out in a row.
    std::uint32_t previousPasses_ = 0;
    // Changed frames not yet carried out into the offscreen image.
    std::deque<std::vector<DrawCommand>> pending_;
    bool showRequested_ = false;
    SDL_Rect showRect_{0, 0, kWidth, kHeight};
    bool unshownChanges_ = false;
    bool presentWanted_ = false;
    bool presented_ = false;
    std::uint64_t lastPresent_ = 0;
    std::uint64_t presentCount_ = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// One screen of the game, built by the screen factory, on SDL's software renderer drawing into an
// 800 x 600 surface, over a content folder, with silent sound, pointer and message box. It runs
// turns as the main loop does, each a display refresh after the one before, so that a frame that
// changed is drawn and shown on every turn.
#pragma once

#include "BenchClock.h"
#include "common/audio/NullSound.h"
#include "common/files/DiskFileSystem.h"
#include "game/gfx/sdl/GraphicsHandles.h"
#include "game/gfx/sdl/SdlSurfaces.h"
#include "game/shell/ScreenFactory.h"
#include "game/shell/sdl/WindowHandles.h"

#include <filesystem>
#include <memory>

class ScreenBench {
public:
    // Throws when the renderer cannot be made.
    ScreenBench(const std::filesystem::path& content, ScreenId id);
    ~ScreenBench();
    ScreenBench(const ScreenBench&) = delete;
    ScreenBench& operator=(const ScreenBench&) = delete;

    Screen& screen() const { return *factory_.current(); }
    // True when the screen came up (an activity whose content list is missing goes back).
    bool begun() const { return begun_; }

    // Update, then draw and the end of the frame. False when the screen asked to leave.
    bool turn();
    // As the main loop changes screens: the current one goes, the one for `id` is built and
    // begun, and turns run until its first frame is shown (a few at most). False when that
    // frame never came.
    bool changeTo(ScreenId id);
    // Turns until a frame is shown, at most `turns` of them; false when none was.
    bool turnUntilShown(int turns);

    BenchClock& clock() { return clock_; }
    SdlSurfaces& surfaces() { return surfaces_; }

private:
    // The surface outlives the renderer that draws into it.
    SurfacePtr surface_;
    SdlRendererPtr renderer_;
    DiskFileSystem files_;
    BenchClock clock_;
    NullSound sound_;
    std::unique_ptr<Pointer> pointer_;
    std::unique_ptr<ErrorBox> errorBox_;
    RandomGenerator random_;
    LastPressTimes lastPressTimes_{};
    std::optional<SettingValues> unsavedSettings_;
    AccessSettings access_;
    // Off unless the content's access.opt turns it on.
    SystemLocalClock localClock_;
    SessionLog log_{files_, localClock_};
    SystemSettings system_;
    // Goes before the renderer; the screens go before it.
    SdlSurfaces surfaces_;
    ScreenFactory factory_;
    bool begun_ = false;
};

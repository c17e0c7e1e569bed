// SPDX-License-Identifier: GPL-3.0-or-later
// The main loop's frames on SDL's surfaces: a frame is shown once per display refresh at most,
// and a new screen's sound, and the sound a press starts, wait until the frame they go with is on
// screen, so that opening the sound device or decoding a sound never holds back a picture.
#pragma once

#include "common/audio/HeldSound.h"
#include "game/gfx/sdl/SdlSurfaces.h"
#include "game/platform/Clock.h"
#include "game/shell/MainLoop.h"

#include <cstdint>
#include <optional>

class SurfaceFrames : public FrameSink {
public:
    SurfaceFrames(SdlSurfaces& surfaces, const Clock& clock, HeldSound& sound)
        : surfaces_(surfaces), clock_(clock), sound_(sound) {}
    void endTurn() override {
        surfaces_.endFrame();
        lastTurn_ = clock_.milliseconds();
        // Held sound starts once the frame it goes with is on screen.
        if (sound_.holding() && !surfaces_.millisecondsUntilPresent()) {
            sound_.release();
        }
    }
    void screenChanging() override { sound_.hold(); }
    void pressTaken() override { sound_.hold(); }
    NextTurn pace(NextTurn screen) const override {
        if (screen.isNow()) {
            // The next refresh, measured from the end of the last turn.
            screen = NextTurn::after(clock_.milliseconds(), lastTurn_,
                                     surfaces_.refreshMilliseconds() - 1);
        }
        if (const std::optional<std::uint32_t> held = surfaces_.millisecondsUntilPresent()) {
            screen = screen.soonest(NextTurn::in(*held));
        }
        return screen;
    }

private:
    SdlSurfaces& surfaces_;
    const Clock& clock_;
    HeldSound& sound_;
    std::uint32_t lastTurn_ = 0;
};

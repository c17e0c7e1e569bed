// SPDX-License-Identifier: GPL-3.0-or-later
// The game in one test process, as far as it can be without a window: a copy of the demo content
// folder, the real drawing and sound back ends, a fake clock, a file layer that fails on demand
// and the screen factory, so that tests can put odd files or faults under the real screens.
#pragma once

#include "FakeLocalClock.h"
#include "FakePointer.h"
#include "FaultyFileSystem.h"
#include "NextScreenPrinter.h"
#include "RecordingErrorBox.h"
#include "SoftwareCanvas.h"
#include "common/audio/sdl/SdlSound.h"
#include "game/content/Options.h"
#include "game/shell/ScreenFactory.h"

#include <cstdlib>

class GameSession : public DrawingFixture {
public:
    GameSession() {
        std::filesystem::copy(VIMO_CONTENT_DIR, folder.path(),
                              std::filesystem::copy_options::recursive);
        std::filesystem::remove(folder.path() / "options" / "vimo.opt");
        ::setenv("SDL_AUDIODRIVER", "dummy", 0);
        sound_ = openSound(faulty);
        factory_ = std::make_unique<ScreenFactory>(
            ScreenServices{faulty, clock, *sound_, pointer, errorBox, random, lastPressTimes,
                           unsavedSettings, access, log, system});
    }
    ~GameSession() { factory_->close(); } // screens go before the sound they use

    SdlSound* sound() { return dynamic_cast<SdlSound*>(sound_.get()); }
    Screen* screen() { return factory_->current(); }

    // Builds and begins the screen for `id`; 0 when its begin refused (a missing list).
    int start(ScreenId id) {
        factory_->build(id);
        pointer.screen = screen();
        return screen()->begin(surfaces.offscreen(), surfaces.window(), surfaces.offscreenImage());
    }

    // One turn of the main loop on the current screen, after `milliseconds` have passed.
    NextScreen turn(int milliseconds) {
        clock.advanceMilliseconds(static_cast<std::uint32_t>(milliseconds));
        pointer.screen = screen();
        pointer.deliverMoves();
        const NextScreen next = screen()->update();
        if (next.stays()) {
            screen()->draw();
            surfaces.endFrame();
        }
        return next;
    }

    // Random input as a child gives it, a turn after each: switch presses (never Esc), clicks away
    // from the stop button, time passing. Stay, or what the screen asked for when it left.
    NextScreen play(int events, std::uint32_t seed) {
        RandomGenerator input(seed);
        const auto below = [&](int n) { return randomInRange(input, 0, n - 1); };
        static constexpr int kKeys[] = {kKeySpace, kKeySpace, kKeyEnter, 'A', 16 /* shift */};
        for (int i = 0; i < events; ++i) {
            Screen& current = *screen();
            const int kind = below(3);
            const int key = kKeys[below(5)];
            const int x = 100 + below(700);
            const int y = below(600);
            if (kind == 0) {
                current.keyDown(key);
            } else if (kind == 1) {
                current.mouseMove(x, y);
                current.mouseDown(x, y);
            }
            NextScreen next = turn(below(120));
            if (next.stays()) {
                if (kind == 0) {
                    current.keyUp(key);
                } else if (kind == 1) {
                    current.mouseUp(x, y);
                }
                next = turn(below(400));
            }
            if (!next.stays()) {
                return next;
            }
        }
        return Stay;
    }

    FaultyFileSystem faulty{folder.path()}; // without faults until a test asks for them
    FakePointer pointer;
    RecordingErrorBox errorBox;
    RandomGenerator random;
    LastPressTimes lastPressTimes{};
    std::optional<SettingValues> unsavedSettings;
    AccessSettings access;
    FakeLocalClock localClock{clock};
    SessionLog log{faulty, localClock};
    SystemSettings system;

private:
    std::unique_ptr<Sound> sound_;
    std::unique_ptr<ScreenFactory> factory_;
};

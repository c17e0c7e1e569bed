// SPDX-License-Identifier: GPL-3.0-or-later
// The game in one test process, as far as it can be without a window: a copy of the demo content
// folder, the real drawing back end (SDL's software renderer on a surface), a fake clock, a
// recording or a real sound back end, a file layer that fails on demand, and the screen factory,
// so that tests can put odd files into the content folder and play through the real screens on
// top of them.
#pragma once

#include "ChildInput.h"
#include "FakeClock.h"
#include "FakeLocalClock.h"
#include "FakePointer.h"
#include "FaultyFileSystem.h"
#include "NextScreenPrinter.h"
#include "RecordingErrorBox.h"
#include "RecordingSound.h"
#include "SoftwareCanvas.h"
#include "TemporaryFolder.h"
#include "common/audio/sdl/SdlSound.h"
#include "game/content/Options.h"
#include "game/shell/ScreenFactory.h"
#include "game/shell/sdl/WindowHandles.h"

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>

class GameSession {
public:
    enum class SoundBackEnd { Recording, Real };

    explicit GameSession(SoundBackEnd backEnd = SoundBackEnd::Recording) {
        std::filesystem::copy(VIMO_CONTENT_DIR, folder.path(),
                              std::filesystem::copy_options::recursive);
        std::filesystem::remove(folder.path() / "options" / "vimo.opt");
        if (backEnd == SoundBackEnd::Real) {
            ::setenv("SDL_AUDIODRIVER", "dummy", 0);
            realSound_ = openSound(files);
        }
        factory_ = std::make_unique<ScreenFactory>(ScreenServices{files, clock, sound(), pointer,
                                                                  errorBox, random, lastPressTimes,
                                                                  unsavedSettings, access, log});
    }
    ~GameSession() {
        // Screens go before the surfaces and the sound they use.
        factory_->close();
    }

    Sound& sound() { return realSound_ ? *realSound_ : recordingSound; }
    SdlSound* realSound() { return dynamic_cast<SdlSound*>(realSound_.get()); }
    ScreenFactory& factory() { return *factory_; }
    Screen* screen() { return factory_->current(); }

    // Changes the settings file the screens read when they start.
    void changeSettings(const std::function<void(Options&)>& change) {
        Options options(files);
        change(options);
        options.writeOptionsFile();
    }

    // Builds and begins the screen for `id`; 0 when its begin refused (a missing list).
    int start(ScreenId id) {
        factory_->build(id);
        pointer.screen = screen();
        return screen()->begin(surfaces.offscreen(), surfaces.window(), surfaces.offscreenImage());
    }

    // One turn of the main loop on the current screen, after `milliseconds` have passed.
    NextScreen turn(std::uint32_t milliseconds) {
        clock.advanceMilliseconds(milliseconds);
        pointer.screen = screen();
        pointer.deliverMoves();
        const NextScreen next = screen()->update();
        if (next.stays()) {
            screen()->draw();
            surfaces.endFrame();
        }
        return next;
    }

    // `events` pieces of random input on the current screen, a turn after each. Returns Stay when
    // the screen stayed throughout, otherwise what it asked for. Without keys only the pointer
    // is used: in the menu the switches' scanner may rest on the stop button, which ends the game.
    enum class Keys { Used, Left };
    NextScreen play(int events, std::uint32_t seed, Keys keys = Keys::Used) {
        ChildInput input(seed);
        for (int i = 0; i < events; ++i) {
            Screen& current = *screen();
            const int kind = input.below(4);
            switch (kind == 0 && keys == Keys::Left ? 2 : kind) {
            case 0: {
                const int key = input.key();
                current.keyDown(key);
                if (NextScreen next = turn(static_cast<std::uint32_t>(input.below(120)));
                    !next.stays()) {
                    return next;
                }
                current.keyUp(key);
                break;
            }
            case 1: {
                const auto [x, y] = input.point();
                current.mouseMove(x, y);
                current.mouseDown(x, y);
                if (NextScreen next = turn(static_cast<std::uint32_t>(input.below(120)));
                    !next.stays()) {
                    return next;
                }
                current.mouseUp(x, y);
                break;
            }
            case 2: {
                const auto [x, y] = input.point();
                current.mouseMove(x, y);
                break;
            }
            default:
                break; // time passes
            }
            if (NextScreen next = turn(static_cast<std::uint32_t>(input.below(400)));
                !next.stays()) {
                return next;
            }
        }
        return Stay;
    }

    // The screen answers Esc by going back to the menu.
    bool leavesOnEsc() {
        screen()->keyDown(kKeyEscape);
        return turn(20) == MenuId;
    }

    // 0xRRGGBB of the last frame drawn, once a display refresh has let it be shown.
    std::uint32_t pixel(int x, int y) {
        clock.advanceMilliseconds(20);
        surfaces.window().drawImage(surfaces.offscreenImage(), RectF{0, 0, 800, 600});
        surfaces.endFrame();
        return canvas.pixel(x, y);
    }

    TemporaryFolder folder;
    FaultyFileSystem files{folder.path()}; // without faults until a test asks for them
    FakeClock clock;
    RecordingSound recordingSound;
    FakePointer pointer;
    RecordingErrorBox errorBox;
    RandomGenerator random;
    LastPressTimes lastPressTimes{};
    std::optional<SettingValues> unsavedSettings;
    AccessSettings access;
    FakeLocalClock localClock{clock};
    SessionLog log{files, localClock};
    SoftwareCanvas canvas;
    SdlSurfaces surfaces{canvas.renderer(), files, clock};

private:
    std::unique_ptr<Sound> realSound_;
    std::unique_ptr<ScreenFactory> factory_;
};

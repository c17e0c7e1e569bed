// SPDX-License-Identifier: GPL-3.0-or-later
// How soon a click starts: on an output device that is open, and on one that was closed after a
// quiet time and opens again for the click. Waiting for the device to close (a buffer or more) is
// not timed; 100 clicks each keep the run short. Plays the demo content's click on the audio
// driver SDL picks (SDL_AUDIODRIVER chooses one; "dummy" where there is no sound card).
#include "common/audio/sdl/SdlSound.h"
#include "common/files/DiskFileSystem.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <thread>

namespace {

using namespace std::chrono_literals;

constexpr std::u16string_view kClick = u"sfx\\click.wav";

// From the call until the mixer plays the click; `afterQuiet` waits (untimed) for the device to
// close first.
void clickStarts(benchmark::State& state, bool afterQuiet) {
    DiskFileSystem files(VIMO_CONTENT_DIR);
    SdlSound sound(files, 5ms);
    if (!sound.isOpen()) {
        state.SkipWithError("no audio device opened");
        return;
    }
    sound.playOnce(kClick); // decoded once, as the game's cache keeps it
    for (auto _ : state) {
        state.PauseTiming();
        sound.stop();
        if (afterQuiet) {
            while (sound.deviceOpen()) {
                std::this_thread::sleep_for(1ms);
            }
        } else {
            sound.playOnce(kClick); // keeps the device open
            sound.stop();
        }
        state.ResumeTiming();
        sound.playOnce(kClick);
        if (!sound.playing()) {
            state.SkipWithError("the click did not play");
            return;
        }
    }
}

void clickOnAnOpenDevice(benchmark::State& state) {
    clickStarts(state, false);
}

void clickAfterQuiet(benchmark::State& state) {
    clickStarts(state, true);
}

BENCHMARK(clickOnAnOpenDevice)->Unit(benchmark::kMicrosecond)->UseRealTime()->Iterations(100);
BENCHMARK(clickAfterQuiet)->Unit(benchmark::kMicrosecond)->UseRealTime()->Iterations(100);

} // namespace

BENCHMARK_MAIN();

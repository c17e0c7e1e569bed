// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one turn (input, update, draw, end of frame) of each of the eight screens on SDL's
// software renderer at 800 x 600 with the demo content, in steady states: idle (the same frame
// again, which is never redrawn) and changing (every turn a different frame, drawn in full and
// shown). Turns lie a display refresh apart. Besides the mean, each reports the median turn and
// the 99th percentile in microseconds, and the share of turns that showed a frame. And the time
// from a switch's press, by key or by mouse, to the frame that answers it being shown, on the
// menu and the six activities: its median, 99th percentile and worst, and the share of presses
// answered by a frame within four turns.
#include "DemoContentCopy.h"
#include "ScreenBench.h"
#include "game/activities/FindImagesScreen.h"
#include "game/activities/MovingPictureScreen.h"
#include "game/activities/RingsScreen.h"
#include "game/options/OptionsScreen.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

DemoContentCopy* content = nullptr;

using Input = std::function<void(ScreenBench&, std::int64_t turn)>;

struct Scenario {
    std::string name;
    ScreenId id;
    // Brings the screen into its steady state, before any turn is timed.
    std::function<void(ScreenBench&)> setUp;
    // Makes what acts on the screen before the update of each timed turn; made anew for every
    // run, since the benchmark library runs a benchmark several times, each on a fresh screen.
    std::function<Input()> input;
};

void noSetUp(ScreenBench&) {}
Input noInput() {
    return [](ScreenBench&, std::int64_t) {};
}

void runTurns(ScreenBench& bench, int turns) {
    for (int i = 0; i < turns; ++i) {
        bench.turn();
    }
}

// A switch pressed and let go, a second apart, so that the key-time guard lets it through.
void pressSwitch(ScreenBench& bench) {
    bench.clock().advanceMilliseconds(1000);
    bench.screen().keyDown(kKeySpace);
    bench.turn();
    bench.screen().keyUp(kKeySpace);
    bench.turn();
}

// The pointer on and off the stop button by turns: its red frame comes and goes.
Input pointerOnAndOffStop() {
    return [](ScreenBench& bench, std::int64_t turn) {
        if (turn % 2 == 0) {
            bench.screen().mouseMove(30, 30);
        } else {
            bench.screen().mouseMove(400, 300);
        }
    };
}

// Two points of the options screen's tab whose help lines differ.
std::pair<std::pair<int, int>, std::pair<int, int>> helpLinePoints(const OptionsScreen& screen) {
    std::optional<std::pair<int, int>> first;
    int firstLine = 0;
    for (int y = 5; y < 600; y += 10) {
        for (int x = 5; x < 800; x += 10) {
            const int line = screen.layout().helpLineAt(screen.currentTab(), x, y);
            if (line == 0) {
                continue;
            }
            if (!first) {
                first = std::make_pair(x, y);
                firstLine = line;
            } else if (line != firstLine) {
                return {*first, std::make_pair(x, y)};
            }
        }
    }
    return {{0, 0}, {0, 0}};
}

void chooseOptionsTab(ScreenBench& bench, int tab) {
    auto& options = dynamic_cast<OptionsScreen&>(bench.screen());
    const Picture& label = options.layout().tabs[static_cast<std::size_t>(tab)];
    options.mouseDown(static_cast<int>(label.centreX()), static_cast<int>(label.centreY()));
    // Off every control, so that no help line shows.
    options.mouseMove(0, 599);
    runTurns(bench, 3);
}

Input helpLinesByTurns() {
    auto points = std::make_shared<std::pair<std::pair<int, int>, std::pair<int, int>>>();
    return [points](ScreenBench& bench, std::int64_t turn) {
        if (turn == 0) {
            *points = helpLinePoints(dynamic_cast<const OptionsScreen&>(bench.screen()));
        }
        const auto& [x, y] = turn % 2 == 0 ? points->first : points->second;
        bench.screen().mouseMove(x, y);
    };
}

// The switch held while the rings grow; once a picture is complete it is let go, which brings
// an empty picture, and held again.
Input ringsHeld() {
    auto held = std::make_shared<bool>(false);
    return [held](ScreenBench& bench, std::int64_t) {
        auto& rings = dynamic_cast<RingsScreen&>(bench.screen());
        if (rings.complete() && *held) {
            rings.keyUp(kKeySpace);
            *held = false;
        } else if (!*held) {
            rings.keyDown(kKeySpace);
            *held = true;
        }
    };
}

// The switch held while the picture glides; when the next exercise comes, which waits for a new
// press, the switch is let go and pressed again.
Input movingHeld() {
    auto last = std::make_shared<std::pair<float, float>>(-1.0e9f, -1.0e9f);
    return [last](ScreenBench& bench, std::int64_t) {
        auto& moving = dynamic_cast<MovingPictureScreen&>(bench.screen());
        const Picture& picture = moving.movingPicture();
        if (std::make_pair(picture.x, picture.y) == *last) {
            moving.keyUp(kKeySpace);
            moving.keyDown(kKeySpace);
        }
        *last = std::make_pair(picture.x, picture.y);
    };
}

Input pointerBetweenChoices() {
    return [](ScreenBench& bench, std::int64_t turn) {
        const auto& screen = dynamic_cast<const FindImagesScreen&>(bench.screen());
        const std::vector<Picture>& choices = screen.choices();
        if (choices.size() < 2) {
            return;
        }
        const Picture& choice = choices[static_cast<std::size_t>(turn % 2)];
        bench.screen().mouseMove(static_cast<int>(choice.centreX()),
                                 static_cast<int>(choice.centreY()));
    };
}

std::vector<Scenario> scenarios() {
    return {
        {"menu/idle", MenuId, noSetUp, noInput},
        {"menu/pointer_moving", MenuId, noSetUp,
         [] {
             return [](ScreenBench& bench, std::int64_t turn) {
                 bench.screen().mouseMove(turn % 2 == 0 ? 137 : 399, 197);
             };
         }},
        {"rings/drawing", RingsId, noSetUp, ringsHeld},
        {"rings/idle_after_rings", RingsId,
         [](ScreenBench& bench) {
             bench.screen().keyDown(kKeySpace);
             runTurns(bench, 12);
             bench.screen().keyUp(kKeySpace);
             runTurns(bench, 2);
         },
         noInput},
        {"picture_steps/set_shown", ShapesId,
         [](ScreenBench& bench) {
             for (int press = 0; press < 4; ++press) {
                 pressSwitch(bench);
             }
         },
         noInput},
        {"picture_steps/pointer_on_stop", ShapesId,
         [](ScreenBench& bench) {
             for (int press = 0; press < 4; ++press) {
                 pressSwitch(bench);
             }
         },
         pointerOnAndOffStop},
        {"find_images/choosing", FindImagesId, noSetUp, noInput},
        {"find_images/pointer_moving", FindImagesId, noSetUp, pointerBetweenChoices},
        {"painting/frame_shown", PaintId, [](ScreenBench& bench) { pressSwitch(bench); }, noInput},
        {"painting/pointer_on_stop", PaintId, [](ScreenBench& bench) { pressSwitch(bench); },
         pointerOnAndOffStop},
        {"picture_word/word_shown", PictureWordId, noSetUp, noInput},
        {"picture_word/pointer_on_stop", PictureWordId, noSetUp, pointerOnAndOffStop},
        {"moving_picture/moving", MovingPictureId,
         [](ScreenBench& bench) { bench.screen().keyDown(kKeySpace); }, movingHeld},
        {"moving_picture/still", MovingPictureId, noSetUp, noInput},
        {"options/tab0_idle", OptionsId, [](ScreenBench& bench) { chooseOptionsTab(bench, 0); },
         noInput},
        {"options/tab0_help_lines", OptionsId,
         [](ScreenBench& bench) { chooseOptionsTab(bench, 0); }, helpLinesByTurns},
        {"options/tab5_idle", OptionsId, [](ScreenBench& bench) { chooseOptionsTab(bench, 5); },
         noInput},
        {"options/tab5_help_lines", OptionsId,
         [](ScreenBench& bench) { chooseOptionsTab(bench, 5); }, helpLinesByTurns},
    };
}

double percentile(std::vector<double>& samples, double fraction) {
    if (samples.empty()) {
        return 0;
    }
    const auto at = static_cast<std::size_t>(fraction * static_cast<double>(samples.size() - 1));
    std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(at),
                     samples.end());
    return samples[at];
}

void screenTurn(benchmark::State& state, const Scenario& scenario) {
    ScreenBench bench(content->path(), scenario.id);
    if (!bench.begun()) {
        state.SkipWithError("the screen did not come up");
        return;
    }
    scenario.setUp(bench);
    // Turns of settling, so that what the set-up changed is drawn before timing starts.
    runTurns(bench, 2);

    const Input input = scenario.input();
    std::vector<double> seconds;
    seconds.reserve(100'000);
    std::int64_t turn = 0;
    const std::uint64_t presentsBefore = bench.surfaces().presentCount();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        input(bench, turn++);
        const bool stayed = bench.turn();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        if (seconds.size() < seconds.capacity()) {
            seconds.push_back(took.count());
        }
        if (!stayed) {
            state.SkipWithError("the screen asked to leave");
            break;
        }
    }
    state.counters["median_us"] = percentile(seconds, 0.5) * 1e6;
    state.counters["p99_us"] = percentile(seconds, 0.99) * 1e6;
    // The share of turns that showed a frame: 0 when idle, 1 when every turn changed the picture.
    state.counters["shown"] =
        static_cast<double>(bench.surfaces().presentCount() - presentsBefore) /
        static_cast<double>(std::max<std::int64_t>(turn, 1));
}

enum class PressBy { Key, Mouse };

// Where a click presses: on find images' right picture (a wrong one is answered by a sound
// alone), elsewhere in the middle.
std::pair<int, int> clickPoint(ScreenBench& bench) {
    if (const auto* find = dynamic_cast<const FindImagesScreen*>(&bench.screen())) {
        for (const Picture& choice : find->choices()) {
            if (choice.mark) {
                return {static_cast<int>(choice.centreX()), static_cast<int>(choice.centreY())};
            }
        }
    }
    return {400, 300};
}

// A press every second (so that the key-time guard lets each through), timed from its arrival to
// the frame that answers it; its release and a few turns of settling are not timed.
void pressToFrame(benchmark::State& state, ScreenId id, PressBy by) {
    ScreenBench bench(content->path(), id);
    if (!bench.begun()) {
        state.SkipWithError("the screen did not come up");
        return;
    }
    runTurns(bench, 2);
    std::vector<double> seconds;
    std::int64_t presses = 0;
    for (auto _ : state) {
        bench.clock().advanceMilliseconds(1000);
        const auto [x, y] = clickPoint(bench);
        const auto start = std::chrono::steady_clock::now();
        if (by == PressBy::Key) {
            bench.screen().keyDown(kKeySpace);
        } else {
            bench.screen().mouseDown(x, y);
        }
        const bool shown = bench.turnUntilShown(4);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        ++presses;
        if (shown) {
            seconds.push_back(took.count());
        }
        if (by == PressBy::Key) {
            bench.screen().keyUp(kKeySpace);
        } else {
            bench.screen().mouseUp(x, y);
        }
        if (!bench.turn() || !bench.turn()) {
            state.SkipWithError("the screen asked to leave");
            break;
        }
    }
    const double answered = static_cast<double>(seconds.size());
    state.counters["median_ms"] = percentile(seconds, 0.5) * 1e3;
    state.counters["p99_ms"] = percentile(seconds, 0.99) * 1e3;
    state.counters["worst_ms"] = percentile(seconds, 1.0) * 1e3;
    state.counters["answered"] = answered / static_cast<double>(std::max<std::int64_t>(presses, 1));
}

void registerPresses() {
    const std::pair<const char*, ScreenId> screens[] = {{"menu", MenuId},
                                                        {"rings", RingsId},
                                                        {"picture_steps", ShapesId},
                                                        {"find_images", FindImagesId},
                                                        {"painting", PaintId},
                                                        {"picture_word", PictureWordId},
                                                        {"moving_picture", MovingPictureId}};
    for (const auto& [name, id] : screens) {
        for (const PressBy by : {PressBy::Key, PressBy::Mouse}) {
            // A click on the menu opens an activity: the menu is pressed by key alone.
            if (id == MenuId && by == PressBy::Mouse) {
                continue;
            }
            const std::string title =
                std::string("press/") + name + (by == PressBy::Key ? "/key" : "/mouse");
            benchmark::RegisterBenchmark(title.c_str(), pressToFrame, id, by)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    DemoContentCopy copy(VIMO_CONTENT_DIR);
    content = &copy;
    const std::vector<Scenario> all = scenarios();
    for (const Scenario& scenario : all) {
        benchmark::RegisterBenchmark(scenario.name.c_str(), screenTurn, scenario)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
    }
    registerPresses();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    content = nullptr;
    return 0;
}

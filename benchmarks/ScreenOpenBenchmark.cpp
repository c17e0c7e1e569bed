// SPDX-License-Identifier: GPL-3.0-or-later
// Time from a screen's construction to its first frame shown, on SDL's software renderer at
// 800 x 600: the painting screen over a series of nine large photographs (1600 x 1200 JPEGs made
// at run time in a copy of the demo content, the only series there), and a change from the menu
// to each activity and back to the menu over the demo content; and a changed frame over the large
// series. Sound is silent: the game starts a new screen's sounds only after its first frame is
// shown.
#include "DemoContentCopy.h"
#include "ScreenBench.h"

#include <SDL_image.h>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

constexpr int kLargeWidth = 1600;
constexpr int kLargeHeight = 1200;
constexpr int kSeriesFrames = 9;

// A photograph-like picture: smooth colour gradients with fine detail over them, so that the
// JPEG is as large as a real photograph's rather than a flat colour's.
void paintFrame(SDL_Surface& surface, int frame) {
    auto* pixels = static_cast<Uint32*>(surface.pixels);
    const int stride = surface.pitch / 4;
    for (int y = 0; y < surface.h; ++y) {
        for (int x = 0; x < surface.w; ++x) {
            const int detail = ((x * 7 + y * 13 + frame * 29) ^ (x * y)) & 31;
            const Uint8 red = static_cast<Uint8>(x * 255 / surface.w / 2 + detail);
            const Uint8 green = static_cast<Uint8>(y * 255 / surface.h / 2 + detail);
            const Uint8 blue = static_cast<Uint8>((x + y + frame * 40) % 200 + detail);
            pixels[y * stride + x] = SDL_MapRGB(surface.format, red, green, blue);
        }
    }
}

// A copy of the demo content whose painting folder holds only one series: nine large frames.
class LargeSeriesContent {
public:
    LargeSeriesContent() : copy_(VIMO_CONTENT_DIR) {
        const std::filesystem::path paint = copy_.path() / "gfx" / "paint";
        std::filesystem::remove_all(paint);
        std::filesystem::create_directories(paint);
        std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> surface(
            SDL_CreateRGBSurfaceWithFormat(0, kLargeWidth, kLargeHeight, 32,
                                           SDL_PIXELFORMAT_RGB888),
            &SDL_FreeSurface);
        if (!surface) {
            throw std::runtime_error(SDL_GetError());
        }
        for (int frame = 1; frame <= kSeriesFrames; ++frame) {
            paintFrame(*surface, frame);
            const std::string name = "photo0" + std::to_string(frame) + ".jpg";
            if (IMG_SaveJPG(surface.get(), (paint / name).string().c_str(), 90) != 0) {
                throw std::runtime_error(IMG_GetError());
            }
        }
    }
    const std::filesystem::path& path() const { return copy_.path(); }

private:
    DemoContentCopy copy_;
};

void paintingSeriesOpens(benchmark::State& state) {
    const LargeSeriesContent content;
    std::optional<ScreenBench> bench;
    for (auto _ : state) {
        // The screen before goes outside the timed part, as leaving a screen does.
        state.PauseTiming();
        bench.reset();
        state.ResumeTiming();
        bench.emplace(content.path(), PaintId);
        if (!bench->begun() || !bench->turnUntilShown(4)) {
            state.SkipWithError("the painting screen showed no frame");
            break;
        }
    }
}
BENCHMARK(paintingSeriesOpens)->Unit(benchmark::kMillisecond);

// A changed frame over the large series' first frame: the pointer on and off the stop button by
// turns, so every turn draws the frame (2400 x 1800 over the 800 x 600 screen) and shows it.
void largePaintingFrameChanges(benchmark::State& state) {
    const LargeSeriesContent content;
    ScreenBench bench(content.path(), PaintId);
    if (!bench.begun() || !bench.turnUntilShown(4)) {
        state.SkipWithError("the painting screen showed no frame");
        return;
    }
    const std::uint64_t presentsBefore = bench.surfaces().presentCount();
    std::int64_t turn = 0;
    for (auto _ : state) {
        bench.screen().mouseMove(turn % 2 == 0 ? 30 : 400, turn % 2 == 0 ? 30 : 300);
        ++turn;
        if (!bench.turn()) {
            state.SkipWithError("the screen asked to leave");
            break;
        }
    }
    state.counters["shown"] =
        static_cast<double>(bench.surfaces().presentCount() - presentsBefore) /
        static_cast<double>(std::max<std::int64_t>(turn, 1));
}
BENCHMARK(largePaintingFrameChanges)->Unit(benchmark::kMillisecond);

double millisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// Menu, activity, menu: the time of the whole round, and of each change alone (the counters
// `to_activity_ms` and `to_menu_ms`).
void screenChange(benchmark::State& state, ScreenId activity) {
    const DemoContentCopy content(VIMO_CONTENT_DIR);
    ScreenBench bench(content.path(), MenuId);
    double toActivity = 0;
    double toMenu = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const bool activityShown = bench.changeTo(activity);
        toActivity += millisecondsSince(start);
        const auto back = std::chrono::steady_clock::now();
        const bool menuShown = bench.changeTo(MenuId);
        toMenu += millisecondsSince(back);
        if (!activityShown || !menuShown) {
            state.SkipWithError("a screen showed no frame");
            break;
        }
    }
    state.counters["to_activity_ms"] =
        benchmark::Counter(toActivity, benchmark::Counter::kAvgIterations);
    state.counters["to_menu_ms"] = benchmark::Counter(toMenu, benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(screenChange, rings, RingsId)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(screenChange, picture_steps, ShapesId)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(screenChange, find_images, FindImagesId)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(screenChange, painting, PaintId)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(screenChange, picture_word, PictureWordId)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(screenChange, moving_picture, MovingPictureId)->Unit(benchmark::kMillisecond);

} // namespace

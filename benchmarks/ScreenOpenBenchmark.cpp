// SPDX-License-Identifier: GPL-3.0-or-later
// Time from a screen's construction to its first frame shown, on SDL's software renderer at
// 800 x 600: the painting screen over a series of nine large photographs (1600 x 1200 JPEGs made
// at run time in a copy of the demo content, the only series there), and a change from the menu
// to each activity and back to the menu over the demo content; and a changed frame over the large
// series; and the activities that show the content's pictures, over pictures as large as a
// teacher's photographs (JPEGs from a camera, PNGs from a screenshot or an export), with the
// memory they hold. Sound is silent: the game starts a new
// screen's sounds only after its first frame is shown.
#include "DemoContentCopy.h"
#include "ResidentMemory.h"
#include "ScreenBench.h"

#include <SDL_image.h>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <malloc.h>
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

enum class PhotoFormat { Jpeg, Png };

// Saves one large photograph-like picture, frame `frame` of a series, at `path`: a JPEG as a
// camera writes it, or a PNG as a screenshot or an exported photograph is.
void savePhotograph(const std::filesystem::path& path, int frame,
                    PhotoFormat format = PhotoFormat::Jpeg) {
    std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> surface(
        SDL_CreateRGBSurfaceWithFormat(0, kLargeWidth, kLargeHeight, 32, SDL_PIXELFORMAT_RGB888),
        &SDL_FreeSurface);
    if (!surface) {
        throw std::runtime_error(SDL_GetError());
    }
    paintFrame(*surface, frame);
    const int saved = format == PhotoFormat::Png
                          ? IMG_SavePNG(surface.get(), path.string().c_str())
                          : IMG_SaveJPG(surface.get(), path.string().c_str(), 90);
    if (saved != 0) {
        throw std::runtime_error(IMG_GetError());
    }
}

// A copy of the demo content whose painting folder holds only one series: nine large frames.
class LargeSeriesContent {
public:
    LargeSeriesContent() : copy_(VIMO_CONTENT_DIR) {
        const std::filesystem::path paint = copy_.path() / "gfx" / "paint";
        std::filesystem::remove_all(paint);
        std::filesystem::create_directories(paint);
        for (int frame = 1; frame <= kSeriesFrames; ++frame) {
            savePhotograph(paint / ("photo0" + std::to_string(frame) + ".jpg"), frame);
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

// One line of /proc/self/status in MiB: VmRSS (resident now) or VmHWM (the peak since the count
// was last restarted).
double statusMiB(const std::string& name) {
    return static_cast<double>(ResidentMemory::kib(name)) / 1024.0;
}

// A copy of the demo content whose every picture in gfx/images is one large photograph (its
// bytes under the picture's own name: the game tells formats by their content).
class LargePicturesContent {
public:
    explicit LargePicturesContent(PhotoFormat format) : copy_(VIMO_CONTENT_DIR) {
        const std::filesystem::path images = copy_.path() / "gfx" / "images";
        const std::filesystem::path photo = copy_.path() / "photo";
        savePhotograph(photo, 1, format);
        for (const auto& entry : std::filesystem::directory_iterator(images)) {
            std::filesystem::copy_file(photo, entry.path(),
                                       std::filesystem::copy_options::overwrite_existing);
        }
    }
    const std::filesystem::path& path() const { return copy_.path(); }

private:
    DemoContentCopy copy_;
};

// An activity opened over 1600 x 1200 pictures, to its first frame. The counters are the last
// opening's memory: `resident_MiB` what the process holds with the screen shown, `added_MiB` what
// the screen added to what was held before it was built, `peak_added_MiB` the most it added at
// any moment on the way.
void largePicturesOpen(benchmark::State& state, ScreenId activity, PhotoFormat format) {
#if defined(__GLIBC__)
    // As the game does at start: large blocks are given back when freed, so what a screen holds
    // is not hidden in a heap that the screen before it left behind.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    const LargePicturesContent content(format);
    std::optional<ScreenBench> bench;
    double before = 0;
    for (auto _ : state) {
        state.PauseTiming();
        bench.reset();
        before = statusMiB("VmRSS:");
        ResidentMemory::restartPeak();
        state.ResumeTiming();
        bench.emplace(content.path(), activity);
        if (!bench->begun() || !bench->turnUntilShown(4)) {
            state.SkipWithError("the activity showed no frame");
            break;
        }
    }
    const double resident = statusMiB("VmRSS:");
    state.counters["resident_MiB"] = resident;
    state.counters["added_MiB"] = resident - before;
    state.counters["peak_added_MiB"] = statusMiB("VmHWM:") - before;
}
BENCHMARK_CAPTURE(largePicturesOpen, picture_steps_jpeg, ShapesId, PhotoFormat::Jpeg)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(largePicturesOpen, find_images_jpeg, FindImagesId, PhotoFormat::Jpeg)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(largePicturesOpen, picture_word_jpeg, PictureWordId, PhotoFormat::Jpeg)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(largePicturesOpen, picture_steps_png, ShapesId, PhotoFormat::Png)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(largePicturesOpen, find_images_png, FindImagesId, PhotoFormat::Png)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(largePicturesOpen, picture_word_png, PictureWordId, PhotoFormat::Png)
    ->Unit(benchmark::kMillisecond);

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

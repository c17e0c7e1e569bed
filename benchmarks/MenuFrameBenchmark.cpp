// Cost of one turn of the menu (update, draw, end of frame) on SDL's software renderer at
// 800 x 600 with the demo content: idle (the same frame again, which is never redrawn) and with
// the pointer moving between two pictures (every frame differs and is drawn in full).
#include "common/audio/NullSound.h"
#include "common/files/DiskFileSystem.h"
#include "game/gfx/sdl/SdlSurfaces.h"
#include "game/shell/MenuScreen.h"

#include <benchmark/benchmark.h>

#include <SDL.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

namespace fs = std::filesystem;

class BenchClock : public Clock {
public:
    std::uint32_t milliseconds() const override { return static_cast<std::uint32_t>(ms); }
    std::uint64_t performanceCounter() const override { return ms * 1000; }
    std::uint64_t performanceFrequency() const override { return 1'000'000; }
    std::uint32_t wallSeconds() const override { return 1'800'000'000; }
    std::uint64_t ms = 100'000'000;
};

class NoPointer : public Pointer {
public:
    void moveTo(int, int) override {}
    void pressAt(int, int) override {}
};

class NoErrorBox : public ErrorBox {
public:
    void showError(std::u16string_view, std::u16string_view) override {}
};

// The menu's pictures from the demo content, in a folder of its own so the benchmark writes
// no settings into the repository.
fs::path menuContent() {
    const fs::path folder = fs::temp_directory_path() / "vimo-menu-bench";
    const fs::path source = fs::path(VIMO_CONTENT_DIR);
    fs::remove_all(folder);
    for (const char* part : {"gfx/menu", "gfx/buttons", "data"}) {
        fs::create_directories(folder / part);
        fs::copy(source / part, folder / part, fs::copy_options::recursive);
    }
    fs::create_directories(folder / "options");
    return folder;
}

void menuTurn(benchmark::State& state) {
    const bool moving = state.range(0) != 0;
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 800, 600, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface);
    {
        const fs::path folder = menuContent();
        DiskFileSystem files(folder);
        BenchClock clock;
        NullSound sound;
        NoPointer pointer;
        NoErrorBox errorBox;
        RandomGenerator random;
        LastPressTimes last{};
        ScreenServices services{files, clock, sound, pointer, errorBox, random, last};
        SdlSurfaces surfaces(renderer, files, clock);
        auto menu = std::make_unique<MenuScreen>(services);
        menu->begin(surfaces.offscreen(), surfaces.window(), surfaces.offscreenImage());
        bool onFirst = false;
        for (auto _ : state) {
            if (moving) {
                onFirst = !onFirst;
                menu->mouseMove(onFirst ? 137 : 399, 197);
            }
            clock.ms += 17; // a display refresh apart, so every changed frame is shown
            menu->update();
            menu->draw();
            surfaces.endFrame();
        }
        menu.reset();
        fs::remove_all(folder);
    }
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(surface);
    state.SetLabel(moving ? "pointer moving" : "idle");
}

} // namespace

BENCHMARK(menuTurn)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();

// SPDX-License-Identifier: GPL-3.0-or-later
// Entry of the game: the window, the splash, the menu and the main loop, then a clean ending
// that gives the display its mode back.
#include "common/audio/HeldSound.h"
#include "common/audio/sdl/SdlSound.h"
#include "common/content/ContentFolder.h"
#include "common/content/DesktopLocale.h"
#include "common/content/Language.h"
#include "common/content/SystemSettings.h"
#include "common/files/ChildProfiles.h"
#include "common/files/DiskFileSystem.h"
#include "common/files/ProfileFileSystem.h"
#include "common/files/WholeFile.h"
#include "common/text/Utf8.h"
#include "game/content/Options.h"
#include "game/gfx/sdl/GraphicsHandles.h"
#include "game/gfx/sdl/SdlMessageBox.h"
#include "game/gfx/sdl/SdlSurfaces.h"
#include "game/platform/sdl/SdlClock.h"
#include "game/shell/CommandLine.h"
#include "game/shell/MainLoop.h"
#include "game/shell/Splash.h"
#include "game/shell/UnmadeFolder.h"
#include "game/shell/sdl/ChildChoice.h"
#include "game/shell/sdl/ScreenRun.h"
#include "game/shell/sdl/SdlEventSource.h"
#include "game/shell/sdl/SdlGameWindow.h"
#include "game/shell/sdl/SdlPointer.h"
#include "game/shell/sdl/SurfaceFrames.h"
#include "game/shell/sdl/XDisplayGuard.h"

#include <SDL.h>
#include <SDL_image.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>
#include <vector>

namespace {

// An icon file is a few kilobytes; anything much larger is not one.
constexpr std::size_t kLargestIconFile = 1u << 20;

// Read through the file layer like every other content file, so a pipe or a huge file in its
// place is passed over.
void setWindowIcon(SDL_Window* window, const FileSystem& files) {
    const std::unique_ptr<InputStream> input = files.openForReading(u"gfx\\icons\\vimo.ico");
    std::vector<unsigned char> bytes;
    std::uint32_t error = 0;
    if (!input || !readWholeFile(*input, kLargestIconFile, bytes, error)) {
        return;
    }
    const RWopsPtr source(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())));
    const SurfacePtr icon(source ? IMG_LoadICO_RW(source.get()) : nullptr);
    if (icon) {
        SDL_SetWindowIcon(window, icon.get());
    }
}

// Returns the moment the splash showed.
std::uint32_t showSplash(SdlSurfaces& surfaces, const Clock& clock, FileSystem& files,
                         const std::optional<SettingValues>& unsavedSettings) {
    surfaces.window().clear(0xFF000000);
    const Options settings(files, unsavedSettings);
    drawSplash(surfaces.window(), GameTexts::read(files, settings.language));
    surfaces.presentWindow();
    return clock.milliseconds();
}

// The splash stays for its time; input that comes meanwhile waits in the queue for the menu.
void waitOutSplash(const Clock& clock, std::uint32_t start) {
    while (elapsedMilliseconds(clock.milliseconds(), start) < kSplashMilliseconds) {
        SDL_PumpEvents(); // keeps the window answering the desktop without taking its input
        SDL_Delay(20);
    }
}

// Pictures and sounds are decoded into large buffers that live as long as a screen. After the
// first such buffer is freed, glibc raises its threshold for giving large blocks mappings of
// their own and serves the next ones from the heap, which seldom shrinks: the game would hold the
// memory of every screen it has shown. A fixed threshold gives freed pictures back at once.
void returnLargeBuffersWhenFreed() {
#if defined(__GLIBC__)
    constexpr int kLargeBuffer = 128 * 1024;
    mallopt(M_MMAP_THRESHOLD, kLargeBuffer);
#endif
}

// Without a display SDL falls back to drivers that show nothing; the game would then run
// unseen until killed. They are taken only when asked for by name (tests do).
bool drawsUnseen() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
}

bool hasVisibleDisplay() {
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    return !drawsUnseen() || (asked != nullptr && *asked != '\0'); // an empty name asks for none
}

// Said on standard error, and in the game's own message box where there is a display to show
// one on: a pupil started from the desktop sees no terminal.
int refuseToStart(const std::string& text) {
    std::fprintf(stderr, "Vimo: %s\n", text.c_str());
    XDisplayGuard::passOverErrors();
    const SdlVideo video;
    // A box no one can see (a driver that draws nothing) would wait for an answer forever.
    if (video.started() && !drawsUnseen()) {
        SdlMessageBox(nullptr).showError(fromUtf8(text), u"Vimo");
    }
    return 2;
}

void setPlatformRules() {
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_MOUSE_DOUBLE_CLICK_RADIUS, "2");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
}

// A frame waits this long, in all, for SVG pictures being drawn and photos being decoded before it
// shows without them: clip art and a screen of small pictures are ready well within it, a screen
// opens this soon whatever its photos, and a picture that takes longer never holds up the answer
// to a press by more.
constexpr std::uint32_t kFrameWaitForPictures = 50;

// SVG pictures are drawn, and photos decoded, away from the loop's thread; the end of a drawing
// that a frame went on without wakes the loop with an event of the game's own, which no screen
// hears, so that the next turn shows the picture.
void wakeWhenPicturesAreDrawn(SdlSurfaces& surfaces) {
    const Uint32 drawnEvent = SDL_RegisterEvents(1);
    surfaces.vectorPictures().setTiming(kPictureBudget, kFrameWaitForPictures);
    if (drawnEvent == static_cast<Uint32>(-1)) {
        return;
    }
    surfaces.vectorPictures().setDrawnHandler([drawnEvent] {
        SDL_Event event{};
        event.type = drawnEvent;
        SDL_PushEvent(&event);
    });
}

// The game on an open window, from the splash to the end of the session.
int runGame(FileSystem& files, SdlGameWindow& gameWindow, const SystemSettings& system) {
    SdlClock clock;
    SdlSurfaces surfaces(gameWindow.renderer(), files, clock);
    wakeWhenPicturesAreDrawn(surfaces);
    // A first start settles its language before anything speaks.
    const std::u16string language = firstStartLanguage(system.language, DesktopLocale::ofProcess());
    std::optional<SettingValues> unsavedSettings = Options::startSession(files, language);
    // The splash shows first; what only the menu needs is made while it stays.
    const std::uint32_t splashShown = showSplash(surfaces, clock, files, unsavedSettings);
    setWindowIcon(gameWindow.window(), files);
    const std::unique_ptr<Sound> sound = openSound(files);
    HeldSound heldSound(*sound);
    RandomGenerator random(clock.wallSeconds());
    LastPressTimes lastPressTimes{};
    AccessSettings access = readAccessSettings(files, kAccessSettingsPath, system.access);
    const SystemLocalClock localClock;
    SessionLog log(files, localClock);
    SdlEventSource events([&surfaces] { surfaces.invalidate(); },
                          [&surfaces] { surfaces.targetsReset(); }, access);
    SdlPointer pointer(gameWindow.window(), gameWindow.renderer(), events);
    SdlMessageBox errorBox(gameWindow.window());
    SurfaceFrames frames(surfaces, clock, heldSound);

    waitOutSplash(clock, splashShown);

    // Screens go before the surfaces, sound and window they use.
    ScreenFactory factory(ScreenServices{files, clock, heldSound, pointer, errorBox, random,
                                         lastPressTimes, unsavedSettings, access, log, system});
    runScreens(factory, MenuId, gameWindow.window(), surfaces, events, frames);
    return 0;
}

// Opens the display and the game's window, then plays on it.
int openAndRun(bool windowed, const std::function<int(SdlGameWindow&)>& play) {
    setPlatformRules();
    XDisplayGuard::passOverErrors(); // before SDL's video, which puts back the handler it found
    SdlVideo video;
    if (!video.started()) {
        std::fprintf(stderr, "Vimo: no display: %s\n", SDL_GetError());
        return 1;
    }
    if (!hasVisibleDisplay()) {
        std::fprintf(stderr, "Vimo: no display to show the game on (is DISPLAY set?)\n");
        return 1;
    }
    std::string error;
    auto gameWindow = SdlGameWindow::open(windowed, error);
    if (!gameWindow) {
        std::fprintf(stderr, "Vimo: cannot open the game window: %s\n", error.c_str());
        return 1;
    }
    return play(*gameWindow);
}

int openAndRun(FileSystem& files, bool windowed, const SystemSettings& system) {
    return openAndRun(
        windowed, [&](SdlGameWindow& gameWindow) { return runGame(files, gameWindow, system); });
}

// Plays with the child's settings and log in `profile`, made when missing; the content folder
// is only read.
int playInProfile(const std::filesystem::path& content, const std::filesystem::path& profile,
                  bool windowed, const SystemSettings& system) {
    std::error_code made;
    std::filesystem::create_directories(profile, made);
    std::error_code ignored;
    if (!std::filesystem::is_directory(profile, ignored)) {
        return refuseToStart("The profile folder " + profile.string() +
                             " cannot be made: " + made.message() + ".");
    }
    ProfileFileSystem files(content, profile);
    return openAndRun(files, windowed, system);
}

// The name of a first profile made by the game itself: the account's, where it can be one.
std::u16string firstChildName() {
    const char* user = std::getenv("USER");
    const std::u16string name = fromUtf8(user ? user : "");
    return checkChildName(name) == ChildNameFault::None ? name : u"child";
}

// Plays as one of the children whose profiles are in `children`: with several, the game starts
// on their pictures; with one, it is that child's; with none, a first profile is made.
int playAmongChildren(const std::filesystem::path& content, const std::filesystem::path& children,
                      bool windowed, const SystemSettings& system) {
    const std::vector<ChildProfile> profiles = listChildProfiles(children);
    if (profiles.size() < 2) {
        const std::filesystem::path only =
            profiles.empty() ? children / toUtf8(firstChildName()) : profiles.front().folder;
        return playInProfile(content, only, windowed, system);
    }
    return openAndRun(windowed, [&](SdlGameWindow& gameWindow) {
        const std::optional<std::size_t> child =
            chooseChild(gameWindow, content, children, profiles, system);
        if (!child) {
            return 0; // ended on the children's screen
        }
        ProfileFileSystem files(content, profiles[*child].folder);
        return runGame(files, gameWindow, system);
    });
}

// Plays on the content folder given, or the current folder, once it is seen to be one.
int playIn(const std::filesystem::path& named, const CommandLine& line,
           const SystemSettings& system) {
    const bool windowed = line.windowed;
    const std::filesystem::path& profile = line.profileFolder;
    std::error_code ec;
    const std::filesystem::path folder = named.empty() ? std::filesystem::current_path(ec) : named;
    // Without a content folder there is no language to speak: these two stay in English.
    const std::string howToChoose =
        " Start Vimo in its content folder, or name that folder with --content DIR.";
    if (!std::filesystem::is_directory(folder, ec)) {
        const std::string cause = whyFolderCannotBeMade(folder);
        return refuseToStart("The content folder " + folder.string() + " does not exist." +
                             (cause.empty() ? howToChoose : cause));
    }
    DiskFileSystem files(folder);
    if (!looksLikeContentFolder(files)) {
        return refuseToStart("The folder " + folder.string() + kNoContentReason + howToChoose);
    }
    if (!profile.empty()) {
        return playInProfile(folder, profile, windowed, system);
    }
    if (!line.childrenFolder.empty()) {
        return playAmongChildren(folder, line.childrenFolder, windowed, system);
    }
    return openAndRun(files, windowed, system);
}

} // namespace

int main(int argc, char** argv) {
    returnLargeBuffersWhenFreed();
    std::vector<std::string> arguments(argv + 1, argv + argc);
    std::string error;
    const auto commandLine = parseCommandLine(arguments, error);
    if (!commandLine) {
        std::fprintf(stderr, "Vimo: %s\n", error.c_str());
        return 2;
    }
    if (commandLine->help) {
        std::fputs(commandLineUsage().c_str(), stdout);
        return 0;
    }
    if (commandLine->version) {
        std::printf("Vimo %s\n", VIMO_VERSION);
        return 0;
    }
    const SystemSettings system =
        readSystemSettings(systemSettingsPath(std::getenv("VIMO_SYSTEM_CONFIG")));
    // A folder named on the command line wins over the administrator's shared one.
    const std::filesystem::path content =
        commandLine->contentFolder.empty() ? system.content : commandLine->contentFolder;
    return playIn(content, *commandLine, system);
}

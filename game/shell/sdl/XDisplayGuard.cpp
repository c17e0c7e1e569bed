// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/shell/sdl/XDisplayGuard.h"

#include <SDL_syswm.h>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <utility>

namespace {

// Xlib's handlers are plain functions without a context, so what they need lives here: there is
// one game window in the process.
struct Watched {
    Display* display = nullptr;
    Window window = 0;
    // SDL may show a message box from a forked copy of the game, which shares these handlers but
    // must not write the game's files.
    pid_t process = getpid();
    std::atomic<bool> gone{false};
    std::atomic<bool> lookAgain{false};
    std::atomic<bool> reported{false};
    // Set while the game runs; what it holds is written once, by whoever comes first.
    std::function<void()> writeHeld;
    bool written = false;
};
Watched watched;

// An error naming the window says it is gone: destroyed by another program, or by SDL as the game
// ends. Anything else is said once on standard error, and the game goes on as it can.
int passOver(Display*, XErrorEvent* error) {
    if ((error->error_code == BadWindow || error->error_code == BadDrawable) &&
        error->resourceid == watched.window) {
        watched.gone = true;
        return 0;
    }
    if (!watched.reported.exchange(true)) {
        std::fprintf(stderr, "Vimo: the X server refused a request (error %d, request %d.%d)\n",
                     error->error_code, error->request_code, error->minor_code);
    }
    return 0;
}

// Xlib cannot go on after this, and ends the process when the handler returns: what the game holds
// is written first, and a game that had begun ends as a finished one does. The game talks to the X
// server from its one thread (SDL's wake-up comes from the thread that posts an event, the game's).
int endOnConnectionLost(Display*) {
    if (getpid() != watched.process) {
        std::_Exit(1);
    }
    if (watched.writeHeld) {
        std::exchange(watched.writeHeld, nullptr)();
        watched.written = true;
    }
    std::_Exit(watched.written ? 0 : 1);
}

// A window destroyed is first hidden (unmapped); a close request often comes before it goes.
int noteHidden(void*, SDL_Event* event) {
    if (event->type == SDL_WINDOWEVENT && (event->window.event == SDL_WINDOWEVENT_HIDDEN ||
                                           event->window.event == SDL_WINDOWEVENT_CLOSE)) {
        watched.lookAgain = true;
    }
    return 0;
}

} // namespace

void XDisplayGuard::passOverErrors() {
    XSetErrorHandler(passOver);
    XSetIOErrorHandler(endOnConnectionLost);
}

XDisplayGuard::XDisplayGuard(SDL_Window* window, std::function<void()> writeHeld) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) {
        return;
    }
    watched.display = info.info.x11.display;
    watched.window = info.info.x11.window;
    watched.writeHeld = std::move(writeHeld);
    // SDL's video put a handler of its own in front, which ends the game at the first error.
    passOverErrors();
    SDL_AddEventWatch(noteHidden, nullptr);
    guarding_ = true;
}

XDisplayGuard::~XDisplayGuard() {
    if (guarding_) {
        SDL_DelEventWatch(noteHidden, nullptr);
        watched.writeHeld = nullptr;
        watched.written = true;
    }
}

bool XDisplayGuard::windowGone() {
    if (!guarding_) {
        return false;
    }
    if (watched.lookAgain.exchange(false) && !watched.gone) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(watched.display, watched.window, &attributes) == 0) {
            watched.gone = true;
        }
    }
    return watched.gone;
}

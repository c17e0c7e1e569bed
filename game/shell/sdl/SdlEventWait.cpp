// SPDX-License-Identifier: GPL-3.0-or-later
#include "SdlEventWait.h"

#include "game/platform/Clock.h"

#include <SDL_syswm.h>
#include <cerrno>
#include <poll.h>

namespace {

// SDL's own timed work (a focus change settles after 200 ms, the screen saver is held off every
// 30 s) and a quit signal caught by another thread wait at most this long.
constexpr Uint32 kPumpMilliseconds = 10;

bool takeQueued(SDL_Event& event) {
    return SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1;
}

} // namespace

SdlEventWait::SdlEventWait(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window != nullptr && SDL_GetWindowWMInfo(window, &info) == SDL_TRUE &&
        info.subsystem == SDL_SYSWM_X11 && info.info.x11.display != nullptr) {
        display_ = info.info.x11.display;
        connection_ = ConnectionNumber(info.info.x11.display);
    }
#else
    (void)window;
#endif
}

bool SdlEventWait::next(SDL_Event& event) {
    if (!watchingConnection()) {
        return SDL_WaitEventTimeout(&event, 1) != 0;
    }
    if (takeQueued(event)) {
        return true;
    }
    if (pumpDue_ || eventsReadButUnseen() ||
        elapsedMilliseconds(SDL_GetTicks(), lastPump_) >= kPumpMilliseconds) {
        pump();
        if (takeQueued(event)) {
            return true;
        }
    }
    if (!connectionReady(1)) {
        return false;
    }
    pump();
    return takeQueued(event);
}

bool SdlEventWait::connectionReady(int milliseconds) const {
    pollfd watched{connection_, POLLIN, 0};
    const int ready = poll(&watched, 1, milliseconds);
    // A signal may be SDL's quit request, which only a pump turns into an event.
    return ready > 0 || (ready < 0 && errno == EINTR);
}

bool SdlEventWait::eventsReadButUnseen() const {
#if defined(SDL_VIDEO_DRIVER_X11)
    return QLength(static_cast<Display*>(display_)) > 0;
#else
    return false;
#endif
}

void SdlEventWait::pump() {
    SDL_PumpEvents();
    pumpDue_ = false;
    lastPump_ = SDL_GetTicks();
}

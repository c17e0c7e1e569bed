// SPDX-License-Identifier: GPL-3.0-or-later
// Takes SDL's next event, waiting at most a millisecond for one, as cheaply as the platform
// allows. A turn of the game loop that finds nothing spends most of its time here, a thousand
// times a second, so an idle game's load is the cost of this wait. SDL_WaitEventTimeout asks the
// X server for events several times on every call; on X11 this class watches the window's
// display connection itself and lets SDL read it only when it holds something, after the game
// talked to the server (a present, a pointer warp), and every few milliseconds for SDL's own
// timed work (focus changes, a quit signal caught by another thread). Elsewhere every wait is
// SDL_WaitEventTimeout.
#pragma once

#include <SDL.h>

class SdlEventWait {
public:
    // Without a window, or on a platform other than X11, waits through SDL_WaitEventTimeout.
    explicit SdlEventWait(SDL_Window* window = nullptr);

    // True with the next event, at once when one is queued; false when none came within a
    // millisecond.
    bool next(SDL_Event& event);

    // The game talked to the display server: replies it waited for may have brought events
    // along that now sit read but unseen, so the next wait lets SDL look.
    void serverContacted() { pumpDue_ = true; }

private:
    bool watchingConnection() const { return connection_ >= 0; }
    // True when the display connection became readable (or a signal came) within `milliseconds`.
    bool connectionReady(int milliseconds) const;
    bool eventsReadButUnseen() const;
    void pump();

    // The X display, kept untyped so that no X header reaches the game's code.
    void* display_ = nullptr;
    int connection_ = -1;
    bool pumpDue_ = true;
    Uint32 lastPump_ = 0;
};

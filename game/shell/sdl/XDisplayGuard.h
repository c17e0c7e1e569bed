// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the X server's complaints from ending the game. Xlib's own handlers end the process at the
// first protocol error or lost connection, with what the game holds unwritten; with these, an error
// is passed over, the game learns when its window is gone (destroyed by another program), and a
// lost connection ends it at once after writing what it holds. On a display other than X11 it only
// sets the handlers. Kept apart from the game's own headers, whose names Xlib's would clash with.
#pragma once

#include <SDL.h>
#include <functional>

class XDisplayGuard {
public:
    // Sets the handlers for the life of the process; to be called before SDL's video starts, since
    // SDL puts back, as it quits, the handler it found: its last request to a window already gone
    // is answered only then.
    static void passOverErrors();

    // Guards the connection of `window`. `writeHeld` runs when the connection is lost, just before
    // the game ends with status 0.
    XDisplayGuard(SDL_Window* window, std::function<void()> writeHeld);
    // The handlers stay: SDL talks to the server until it quits, and a connection lost after this
    // ends the finished game with status 0.
    ~XDisplayGuard();
    XDisplayGuard(const XDisplayGuard&) = delete;
    XDisplayGuard& operator=(const XDisplayGuard&) = delete;

    // Whether the window is gone: named by an error, or missing when looked for after SDL said it
    // was hidden or asked to close (as it is on its way to being destroyed).
    bool windowGone();

private:
    bool guarding_ = false;
};

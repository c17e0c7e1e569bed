// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/shell/sdl/XWindowManager.h"

#include <SDL.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <cstring>
#include <memory>
#include <string>

namespace {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};

// A window manager owns the selection WM_Sn of the screen it manages, and modern ones also name
// their check window on the root window; either is enough.
bool managed(Display* display) {
    const int screen = DefaultScreen(display);
    const std::string selection = "WM_S" + std::to_string(screen);
    if (XGetSelectionOwner(display, XInternAtom(display, selection.c_str(), False)) != None) {
        return true;
    }
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) {
        return false;
    }
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* value = nullptr;
    const bool found =
        XGetWindowProperty(display, RootWindow(display, screen), check, 0, 1, False, XA_WINDOW,
                           &type, &format, &count, &after, &value) == Success &&
        value != nullptr && count == 1;
    if (value != nullptr) {
        XFree(value);
    }
    return found;
}

} // namespace

bool hasWindowManager() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr || std::strcmp(driver, "x11") != 0) {
        return true;
    }
    // A connection of its own, to the display SDL opened (both take it from DISPLAY).
    const std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    return display == nullptr || managed(display.get());
}

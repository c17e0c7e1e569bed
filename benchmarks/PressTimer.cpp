// SPDX-License-Identifier: GPL-3.0-or-later
// Times how long a program takes to show the frame that answers a press on an X display: it
// presses a key or a mouse button through the X server's test extension, as a switch interface
// does, and reports the milliseconds until the server first hears of a change to the window's
// pixels (the damage extension's notice), then lets the key or button go. No program is started
// and no picture read back between the press and the notice, so the figure is the program's own.
//
//   vimo_press_timer WINDOW key:KEYSYM|button:N [--timeout SECONDS]
//
// Prints "shown_ms=M". Exits 1 when the window shows nothing new within the timeout (1 s), 2 on
// a usage error or a server without the extensions.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

struct Press {
    bool key = false;
    unsigned code = 0; // a key code, or a button number
};

void send(Display* display, const Press& press, bool down) {
    if (press.key) {
        XTestFakeKeyEvent(display, press.code, down ? True : False, CurrentTime);
    } else {
        XTestFakeButtonEvent(display, press.code, down ? True : False, CurrentTime);
    }
    XFlush(display);
}

// Waits for the window's first damage notice until `deadline`; false when none came.
bool waitForDamage(Display* display, int damageEvents, Clock::time_point deadline) {
    while (true) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == damageEvents + XDamageNotify) {
                return true;
            }
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            return false;
        }
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, static_cast<int>(left));
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 && !(argc == 5 && std::strcmp(argv[3], "--timeout") == 0)) {
        std::fprintf(stderr, "usage: %s WINDOW key:KEYSYM|button:N [--timeout SECONDS]\n", argv[0]);
        return 2;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    const std::string what = argv[2];
    const double timeoutSeconds = argc == 5 ? std::atof(argv[4]) : 1.0;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    int damageEvents = 0;
    int damageErrors = 0;
    int testEvents = 0;
    int testErrors = 0;
    int major = 0;
    int minor = 0;
    if (!XDamageQueryExtension(display, &damageEvents, &damageErrors) ||
        !XTestQueryExtension(display, &testEvents, &testErrors, &major, &minor)) {
        std::fprintf(stderr, "the X server lacks the damage or the test extension\n");
        XCloseDisplay(display);
        return 2;
    }
    Press press;
    if (what.starts_with("key:")) {
        press.key = true;
        press.code = XKeysymToKeycode(display, XStringToKeysym(what.c_str() + 4));
    } else if (what.starts_with("button:")) {
        press.code = static_cast<unsigned>(std::atoi(what.c_str() + 7));
    }
    if (press.code == 0) {
        std::fprintf(stderr, "no such key or button: %s\n", what.c_str());
        XCloseDisplay(display);
        return 2;
    }
    const Damage damage = XDamageCreate(display, window, XDamageReportNonEmpty);
    XSync(display, False);
    // What the window showed before the press is forgotten: only a later change is a notice.
    XDamageSubtract(display, damage, None, None);
    XSync(display, True);
    const Clock::time_point start = Clock::now();
    send(display, press, true);
    const bool shown = waitForDamage(display, damageEvents,
                                     start + std::chrono::duration_cast<Clock::duration>(
                                                 std::chrono::duration<double>(timeoutSeconds)));
    const double milliseconds =
        std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    send(display, press, false);
    XDamageDestroy(display, damage);
    XCloseDisplay(display);
    if (!shown) {
        std::fprintf(stderr, "the window showed nothing new\n");
        return 1;
    }
    std::printf("shown_ms=%.2f\n", milliseconds);
    return 0;
}

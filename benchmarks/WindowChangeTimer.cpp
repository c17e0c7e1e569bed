// SPDX-License-Identifier: GPL-3.0-or-later
// Times how long a program takes to answer an input on an X display: it checks that a region of
// the program's window shows one colour only, runs a command that gives the input (xdotool, say),
// and reports the milliseconds from just before the command until any pixel of the region shows
// another colour.
//
//   vimo_window_change_timer WINDOW X Y WIDTH HEIGHT RRGGBB [--timeout SECONDS] -- COMMAND...
//
// Prints "changed_ms=M". Exits 1 when the region does not start in that colour or does not change
// within the timeout (10 s), 2 on a usage error.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct WatchedRegion {
    Window window = 0;
    int x = 0;
    int y = 0;
    unsigned width = 0;
    unsigned height = 0;
    unsigned long rgb = 0;
};

int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

enum class Seen { Unreadable, OneColour, Changed };

Seen look(Display* display, const WatchedRegion& region) {
    XImage* image = XGetImage(display, region.window, region.x, region.y, region.width,
                              region.height, AllPlanes, ZPixmap);
    if (image == nullptr) {
        return Seen::Unreadable;
    }
    Seen seen = Seen::OneColour;
    for (unsigned row = 0; row < region.height && seen == Seen::OneColour; ++row) {
        for (unsigned column = 0; column < region.width; ++column) {
            if ((XGetPixel(image, static_cast<int>(column), static_cast<int>(row)) & 0xFFFFFF) !=
                region.rgb) {
                seen = Seen::Changed;
                break;
            }
        }
    }
    XDestroyImage(image);
    return seen;
}

bool runToEnd(char** command) {
    pid_t pid = 0;
    if (posix_spawnp(&pid, command[0], nullptr, nullptr, command, environ) != 0) {
        return false;
    }
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 9) {
        std::fprintf(stderr,
                     "usage: %s WINDOW X Y WIDTH HEIGHT RRGGBB [--timeout SECONDS] -- "
                     "COMMAND...\n",
                     argv[0]);
        return 2;
    }
    WatchedRegion region;
    region.window = std::strtoul(argv[1], nullptr, 0);
    region.x = std::atoi(argv[2]);
    region.y = std::atoi(argv[3]);
    region.width = static_cast<unsigned>(std::atoi(argv[4]));
    region.height = static_cast<unsigned>(std::atoi(argv[5]));
    region.rgb = std::strtoul(argv[6], nullptr, 16);
    double timeoutSeconds = 10;
    int i = 7;
    if (std::strcmp(argv[i], "--timeout") == 0 && i + 1 < argc) {
        timeoutSeconds = std::atof(argv[i + 1]);
        i += 2;
    }
    if (i >= argc || std::strcmp(argv[i], "--") != 0 || i + 1 >= argc || region.width == 0 ||
        region.height == 0) {
        std::fprintf(stderr, "usage: see the top of WindowChangeTimer.cpp\n");
        return 2;
    }
    std::vector<char*> command(argv + i + 1, argv + argc);
    command.push_back(nullptr);

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    if (look(display, region) != Seen::OneColour) {
        std::fprintf(stderr, "the region does not show %06lx alone before the input\n", region.rgb);
        XCloseDisplay(display);
        return 1;
    }
    const Clock::time_point start = Clock::now();
    if (!runToEnd(command.data())) {
        std::fprintf(stderr, "the command %s failed\n", command[0]);
        XCloseDisplay(display);
        return 1;
    }
    const auto deadline = start + std::chrono::duration_cast<Clock::duration>(
                                      std::chrono::duration<double>(timeoutSeconds));
    while (Clock::now() < deadline) {
        if (look(display, region) == Seen::Changed) {
            std::printf("changed_ms=%.1f\n",
                        std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            XCloseDisplay(display);
            return 0;
        }
        usleep(500);
    }
    std::fprintf(stderr, "the region did not change\n");
    XCloseDisplay(display);
    return 1;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Times a program's start as a user sees it on an X display: it starts the program, then reports
// the milliseconds until the program's first top-level window is mapped and, when asked, until a
// chosen pixel of that window shows a chosen colour (the first picture drawn). It leaves the
// program running, its standard output joined to its standard error, and prints its process id,
// so that a script can go on measuring it.
//
//   vimo_window_start_timer [--pixel X Y RRGGBB] [--timeout SECONDS] -- PROGRAM [ARGUMENTS...]
//
// Prints one line: "pid=P window=W mapped_ms=M" and, with --pixel, " shown_ms=S". Exits 1 when the
// window or the colour does not come within the timeout (10 s), 2 on a usage error.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Target {
    int x = 0;
    int y = 0;
    unsigned long rgb = 0;
};

struct Arguments {
    std::optional<Target> pixel;
    double timeoutSeconds = 10;
    std::vector<char*> program;
};

// A window that is not viewable yet answers XGetImage with an error; that only means "not yet".
int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::optional<Arguments> parse(int argc, char** argv) {
    Arguments arguments;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--pixel") == 0 && i + 3 < argc) {
            arguments.pixel = Target{std::atoi(argv[i + 1]), std::atoi(argv[i + 2]),
                                     std::strtoul(argv[i + 3], nullptr, 16)};
            i += 3;
        } else if (std::strcmp(argv[i], "--timeout") == 0 && i + 1 < argc) {
            arguments.timeoutSeconds = std::atof(argv[++i]);
        } else {
            return std::nullopt;
        }
    }
    for (++i; i < argc; ++i) {
        arguments.program.push_back(argv[i]);
    }
    if (arguments.program.empty()) {
        return std::nullopt;
    }
    arguments.program.push_back(nullptr);
    return arguments;
}

// Waits for the next map of a top-level window that is not an override-redirect popup.
std::optional<Window> waitForMap(Display* display, Clock::time_point deadline) {
    while (Clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect) {
                return event.xmap.window;
            }
        }
        pollfd ready{ConnectionNumber(display), POLLIN, 0};
        poll(&ready, 1, 1);
    }
    return std::nullopt;
}

std::optional<unsigned long> pixelOf(Display* display, Window window, const Target& target) {
    XImage* image = XGetImage(display, window, target.x, target.y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) {
        return std::nullopt;
    }
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return pixel;
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<Arguments> arguments = parse(argc, argv);
    if (!arguments) {
        std::fprintf(stderr,
                     "usage: %s [--pixel X Y RRGGBB] [--timeout SECONDS] -- PROGRAM "
                     "[ARGUMENTS...]\n",
                     argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    // The program writes to standard error only: a script reading this tool's one line must not
    // wait for the program to end.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, arguments->program[0], &actions, nullptr,
                                     arguments->program.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        std::fprintf(stderr, "cannot start %s\n", arguments->program[0]);
        return 2;
    }
    const auto deadline = start + std::chrono::duration_cast<Clock::duration>(
                                      std::chrono::duration<double>(arguments->timeoutSeconds));
    const std::optional<Window> window = waitForMap(display, deadline);
    if (!window) {
        std::printf("pid=%d\n", static_cast<int>(pid));
        std::fprintf(stderr, "no window was mapped\n");
        return 1;
    }
    const double mapped = millisecondsSince(start);
    std::printf("pid=%d window=0x%lx mapped_ms=%.1f", static_cast<int>(pid), *window, mapped);
    if (arguments->pixel) {
        std::optional<unsigned long> seen;
        while (Clock::now() < deadline) {
            seen = pixelOf(display, *window, *arguments->pixel);
            if (seen && *seen == arguments->pixel->rgb) {
                std::printf(" shown_ms=%.1f\n", millisecondsSince(start));
                XCloseDisplay(display);
                return 0;
            }
            usleep(200);
        }
        std::printf("\n");
        std::fprintf(stderr, "the pixel is %06lx, not %06lx\n", seen.value_or(0),
                     arguments->pixel->rgb);
        XCloseDisplay(display);
        return 1;
    }
    std::printf("\n");
    XCloseDisplay(display);
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The least processor time a program can use while it keeps the game's pacing: a loop that does
// nothing but wait up to a millisecond at a time for input that never comes, as the game's loop
// does when it is idle. scripts/measure runs it before and after the game, so that the game's
// idle figures can be read against what the machine charges for a thousand wake-ups a second.
//
//   vimo_idle_floor SECONDS
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s SECONDS\n", argv[0]);
        return 2;
    }
    int input[2];
    if (pipe(input) != 0) {
        return 1;
    }
    const auto end = std::chrono::steady_clock::now() +
                     std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                         std::chrono::duration<double>(std::atof(argv[1])));
    while (std::chrono::steady_clock::now() < end) {
        pollfd watched{input[0], POLLIN, 0};
        poll(&watched, 1, 1);
    }
    close(input[0]);
    close(input[1]);
    return 0;
}

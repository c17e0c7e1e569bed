// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/pictures/sdl/SvgRasterProcess.h"

#include "common/pictures/ImageFileSize.h"
#include "common/pictures/PictureFit.h"

#include <SDL.h>
#include <SDL_image.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// The child's exit when the rasteriser read no picture; 0 when it drew one.
constexpr int kNotDrawnExit = 3;
// The drawn size comes first in the shared memory, the pixels after it.
constexpr std::size_t kHeaderBytes = 2 * sizeof(std::int32_t);
// No picture is drawn larger than this a side, whoever asks.
constexpr int kLargestSide = 16384;

std::uint64_t nowMs() {
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

// The process's address space now, in bytes; 0 when it cannot be read.
std::size_t addressSpaceBytes() {
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm == nullptr) {
        return 0;
    }
    unsigned long pages = 0;
    const bool read = std::fscanf(statm, "%lu", &pages) == 1;
    std::fclose(statm);
    return read ? pages * static_cast<std::size_t>(sysconf(_SC_PAGESIZE)) : 0;
}

// The child's whole life: draws, writes the pixels into the shared memory and ends, never
// returning into the program it was copied from (no exit handlers, no flushing of its buffers).
[[noreturn]] void drawInChild(std::span<const unsigned char> svg, int width, int height,
                              unsigned char* shared, std::size_t addressLimit) {
    // The program's own threads keep the processor first: the loop answers while this draws.
    setpriority(PRIO_PROCESS, 0, 10);
    if (addressLimit != 0) {
        const rlimit limit{addressLimit, addressLimit};
        setrlimit(RLIMIT_AS, &limit);
    }
    SDL_RWops* source = SDL_RWFromConstMem(svg.data(), static_cast<int>(svg.size()));
    SDL_Surface* drawn = source != nullptr ? IMG_LoadSizedSVG_RW(source, width, height) : nullptr;
    if (drawn == nullptr || drawn->w < 1 || drawn->h < 1 || drawn->w > width || drawn->h > height) {
        _exit(kNotDrawnExit);
    }
    if (SDL_ConvertPixels(drawn->w, drawn->h, drawn->format->format, drawn->pixels, drawn->pitch,
                          SDL_PIXELFORMAT_ARGB8888, shared + kHeaderBytes, drawn->w * 4) != 0) {
        _exit(kNotDrawnExit);
    }
    const std::int32_t size[2] = {drawn->w, drawn->h};
    std::memcpy(shared, size, sizeof size);
    _exit(0);
}

} // namespace

SvgRasterProcess::SvgRasterProcess(std::span<const unsigned char> svg, int width, int height,
                                   PictureBudget budget)
    : budget_(budget), startMs_(nowMs()) {
    if (width < 1 || height < 1 || width > kLargestSide || height > kLargestSide) {
        outcome_ = Outcome::NotDrawn;
        return;
    }
    sharedBytes_ =
        kHeaderBytes + static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
    shared_ =
        mmap(nullptr, sharedBytes_, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared_ == MAP_FAILED) {
        shared_ = nullptr;
        outcome_ = Outcome::OverBudget;
        return;
    }
    // The child starts as a copy of this process: its budget is what it takes beyond that.
    const std::size_t now = addressSpaceBytes();
    const std::size_t limit = now == 0 ? 0 : now + budget.bytes;
    child_ = fork();
    if (child_ == 0) {
        drawInChild(svg, width, height, static_cast<unsigned char*>(shared_), limit);
    }
    if (child_ < 0) {
        outcome_ = Outcome::OverBudget;
        return;
    }
    exitWatch_ = static_cast<int>(syscall(SYS_pidfd_open, child_, 0));
}

bool SvgRasterProcess::drawsWithin(std::span<const unsigned char> svg, PictureBudget budget) {
    const std::optional<ImageFileSize> size = readImageFileSize(svg);
    if (!size || size->width == 0 || size->height == 0) {
        return false;
    }
    const RectF fitted = fitInside(static_cast<int>(size->width), static_cast<int>(size->height),
                                   RectF{0, 0, 800, 600});
    SvgRasterProcess drawing(svg, std::max(1, static_cast<int>(std::lround(fitted.width))),
                             std::max(1, static_cast<int>(std::lround(fitted.height))), budget);
    return drawing.finish() == Outcome::Drawn;
}

SvgRasterProcess::~SvgRasterProcess() {
    stop();
    if (child_ > 0 && !reaped_) {
        int status = 0;
        while (waitpid(child_, &status, 0) < 0 && errno == EINTR) {
        }
    }
    if (exitWatch_ >= 0) {
        close(exitWatch_);
    }
    if (shared_ != nullptr) {
        munmap(shared_, sharedBytes_);
    }
}

bool SvgRasterProcess::awaitEnd(std::uint64_t deadlineMs) {
    for (;;) {
        const std::uint64_t now = nowMs();
        const int left = now >= deadlineMs ? 0 : static_cast<int>(deadlineMs - now);
        if (exitWatch_ >= 0) {
            pollfd watch{exitWatch_, POLLIN, 0};
            const int ready = poll(&watch, 1, left);
            if (ready > 0) {
                return true;
            }
            if (ready == 0) {
                return false;
            }
            if (errno != EINTR) {
                exitWatch_ = -1; // looked at as below from now on
            }
            continue;
        }
        // Without a descriptor for the child's end (an older system): looked at now and then,
        // without reaping it.
        siginfo_t info{};
        if (waitid(P_PID, static_cast<id_t>(child_), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
            info.si_pid == child_) {
            return true;
        }
        if (left == 0) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(left, 5)));
    }
}

SvgRasterProcess::Outcome SvgRasterProcess::finish() {
    if (outcome_ != Outcome::Running) {
        return outcome_;
    }
    const bool endedInTime = awaitEnd(startMs_ + budget_.milliseconds);
    if (!endedInTime) {
        stop();
    }
    int status = 0;
    {
        const std::lock_guard<std::mutex> lock(reaping_);
        while (waitpid(child_, &status, 0) < 0 && errno == EINTR) {
        }
        reaped_ = true;
    }
    outcome_ = endedInTime ? ended(status) : Outcome::OverBudget;
    return outcome_;
}

void SvgRasterProcess::stop() {
    const std::lock_guard<std::mutex> lock(reaping_);
    if (child_ > 0 && !reaped_) {
        kill(child_, SIGKILL);
    }
}

SvgRasterProcess::Outcome SvgRasterProcess::ended(int status) {
    if (!WIFEXITED(status)) {
        return Outcome::OverBudget; // ended by a signal: out of memory, or stopped
    }
    if (WEXITSTATUS(status) == kNotDrawnExit) {
        return Outcome::NotDrawn;
    }
    return WEXITSTATUS(status) == 0 && width() > 0 ? Outcome::Drawn : Outcome::OverBudget;
}

const std::uint32_t* SvgRasterProcess::pixels() const {
    return reinterpret_cast<const std::uint32_t*>(static_cast<const unsigned char*>(shared_) +
                                                  kHeaderBytes);
}

int SvgRasterProcess::width() const {
    std::int32_t size[2] = {0, 0};
    if (shared_ != nullptr) {
        std::memcpy(size, shared_, sizeof size);
    }
    return size[0];
}

int SvgRasterProcess::height() const {
    std::int32_t size[2] = {0, 0};
    if (shared_ != nullptr) {
        std::memcpy(size, shared_, sizeof size);
    }
    return size[1];
}

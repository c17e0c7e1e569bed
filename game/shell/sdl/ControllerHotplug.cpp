// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/shell/sdl/ControllerHotplug.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

// How long after a change SDL looks for a new device, and how often meanwhile.
constexpr Uint32 kLookAfterChangeMs = 5000;
constexpr std::uint32_t kLookEveryMs = 250;

constexpr std::uint32_t kInputChanges = IN_CREATE | IN_DELETE | IN_ATTRIB | IN_MOVED_TO;

void setSdlLooking(bool looks) {
    SDL_SetHint(SDL_HINT_AUTO_UPDATE_JOYSTICKS, looks ? "1" : "0");
}

} // namespace

ControllerHotplug::ControllerHotplug(const std::filesystem::path& devices)
    : input_(devices / "input") {
    wakeEvent_ = SDL_RegisterEvents(1);
    notices_ = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    std::array<int, 2> stop{-1, -1};
    if (wakeEvent_ == static_cast<Uint32>(-1) || notices_ < 0 ||
        pipe2(stop.data(), O_CLOEXEC) != 0) {
        if (notices_ >= 0) {
            close(notices_);
            notices_ = -1;
        }
        return;
    }
    stopRead_ = stop[0];
    stopWrite_ = stop[1];
    // /dev itself for the input folder that the first input device makes where there is none.
    devWatch_ = inotify_add_watch(notices_, devices.c_str(), IN_CREATE);
    inotify_add_watch(notices_, input_.c_str(), kInputChanges);
    if (devWatch_ < 0) {
        return; // the thread never starts: SDL keeps looking
    }
    thread_ = std::thread([this] { watch(); });
}

ControllerHotplug::~ControllerHotplug() {
    if (thread_.joinable()) {
        const char stop = 0;
        [[maybe_unused]] const ssize_t written = write(stopWrite_, &stop, 1);
        thread_.join();
    }
    for (const int descriptor : {notices_, stopRead_, stopWrite_}) {
        if (descriptor >= 0) {
            close(descriptor);
        }
    }
    if (!sdlLooks_) {
        setSdlLooking(true);
    }
}

void ControllerHotplug::watch() {
    std::array<pollfd, 2> waits{pollfd{notices_, POLLIN, 0}, pollfd{stopRead_, POLLIN, 0}};
    alignas(inotify_event) std::array<char, 4096> buffer{};
    while (poll(waits.data(), waits.size(), -1) >= 0 || errno == EINTR) {
        if ((waits[1].revents & POLLIN) != 0) {
            return;
        }
        if ((waits[0].revents & POLLIN) == 0) {
            continue;
        }
        bool changed = false;
        ssize_t length = 0;
        while ((length = read(notices_, buffer.data(), buffer.size())) > 0) {
            for (ssize_t at = 0; at < length;) {
                const auto* notice = reinterpret_cast<const inotify_event*>(buffer.data() + at);
                // In /dev only the input folder counts; in /dev/input every device.
                const bool inDev = notice->wd == devWatch_;
                const bool inputFolder =
                    inDev && notice->len > 0 && std::strcmp(notice->name, "input") == 0;
                if (inputFolder) {
                    inotify_add_watch(notices_, input_.c_str(), kInputChanges);
                }
                changed = changed || inputFolder || !inDev;
                at += static_cast<ssize_t>(sizeof(inotify_event) + notice->len);
            }
        }
        if (changed) {
            SDL_Event wake{};
            wake.type = wakeEvent_;
            SDL_PushEvent(&wake);
        }
    }
}

bool ControllerHotplug::takes(const SDL_Event& event) {
    if (!thread_.joinable() || event.type != wakeEvent_) {
        return false;
    }
    lookUntil_ = SDL_GetTicks() + kLookAfterChangeMs;
    SDL_JoystickUpdate();
    return true;
}

std::optional<std::uint32_t> ControllerHotplug::settle() {
    if (!thread_.joinable()) {
        return std::nullopt;
    }
    if (lookUntil_ && SDL_TICKS_PASSED(SDL_GetTicks(), *lookUntil_)) {
        lookUntil_.reset();
    }
    const bool looks = lookUntil_ || SDL_NumJoysticks() > 0;
    if (looks != sdlLooks_) {
        setSdlLooking(looks);
        sdlLooks_ = looks;
    }
    if (lookUntil_) {
        return kLookEveryMs;
    }
    return std::nullopt;
}

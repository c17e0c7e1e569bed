// SPDX-License-Identifier: GPL-3.0-or-later
// Lets the game sleep at rest while no controller is plugged in. While its joystick subsystem
// runs, SDL wakes every three seconds to look for newly plugged joysticks; instead, a thread of
// this watch sleeps on the system's notice of a change in /dev/input and wakes the loop with an
// event of its own. SDL's own looking is on only while a controller is open (its buttons are read
// by looking) and for a few seconds after a change, since a device's file appears a moment before
// it may be opened. Where the system gives no such notice, SDL looks as it always does.
#pragma once

#include <SDL.h>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <thread>

class ControllerHotplug {
public:
    // `devices` is the system's folder of devices, whose input folder holds the controllers.
    explicit ControllerHotplug(const std::filesystem::path& devices = "/dev");
    // Ends the thread, and leaves SDL looking for joysticks itself as it does by default.
    ~ControllerHotplug();
    ControllerHotplug(const ControllerHotplug&) = delete;
    ControllerHotplug& operator=(const ControllerHotplug&) = delete;

    // Whether `event` is this watch's wake-up, after which SDL's joysticks are looked at at once
    // and for a few seconds.
    bool takes(const SDL_Event& event);
    // Before every wait: turns SDL's looking on or off as the controllers and a recent change
    // need. The milliseconds until the loop must look again, while a change is recent.
    std::optional<std::uint32_t> settle();

private:
    void watch();

    std::filesystem::path input_;
    int notices_ = -1;
    int devWatch_ = -1;
    int stopRead_ = -1;
    int stopWrite_ = -1;
    Uint32 wakeEvent_ = 0;
    bool sdlLooks_ = true;
    std::optional<Uint32> lookUntil_;
    std::thread thread_;
};

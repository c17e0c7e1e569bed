// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/app/sdl/CSdlControllerButtons.h"

#include <SDL.h>
#include <array>
#include <utility>

std::unique_ptr<ControllerButtons> CSdlControllerButtons::open() {
    // The editor has no SDL window, so controller events count although SDL sees no focus.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    std::unique_ptr<CSdlControllerButtons> buttons(new CSdlControllerButtons);
    if (!buttons->subsystem_.started()) {
        return nullptr;
    }
    // The controllers already attached arrive as added-device events at the first poll.
    return buttons;
}

void CSdlControllerButtons::Closer::operator()(SDL_Joystick* joystick) const {
    SDL_JoystickClose(joystick);
}

std::vector<int> CSdlControllerButtons::takePresses() {
    std::vector<int> presses;
    SDL_PumpEvents();
    // Only the joystick events are taken; whatever else SDL queues is not this part's.
    std::array<SDL_Event, 32> events{};
    int count = 0;
    while ((count = SDL_PeepEvents(events.data(), static_cast<int>(events.size()), SDL_GETEVENT,
                                   SDL_JOYAXISMOTION, SDL_JOYBATTERYUPDATED)) > 0) {
        for (int i = 0; i < count; ++i) {
            const SDL_Event& event = events[static_cast<std::size_t>(i)];
            switch (event.type) {
            case SDL_JOYDEVICEADDED:
                if (SDL_Joystick* joystick = SDL_JoystickOpen(event.jdevice.which)) {
                    // A controller opened already comes back with one more reference, which
                    // `owned` gives back when the map keeps the first.
                    std::unique_ptr<SDL_Joystick, Closer> owned(joystick);
                    joysticks_.try_emplace(SDL_JoystickInstanceID(joystick), std::move(owned));
                }
                break;
            case SDL_JOYDEVICEREMOVED:
                joysticks_.erase(event.jdevice.which);
                break;
            case SDL_JOYBUTTONDOWN:
                presses.push_back(event.jbutton.button);
                break;
            default:
                break;
            }
        }
    }
    return presses;
}

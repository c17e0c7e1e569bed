// SPDX-License-Identifier: GPL-3.0-or-later
#include "SdlControllers.h"

namespace {

std::vector<InputEvent> asKeys(const std::vector<ControllerSwitches::Change>& changes) {
    std::vector<InputEvent> events;
    for (const ControllerSwitches::Change& change : changes) {
        InputEvent event;
        event.type = change.down ? InputEvent::KeyDown : InputEvent::KeyUp;
        event.key = change.key;
        event.fromController = true;
        events.push_back(event);
    }
    return events;
}

} // namespace

SdlControllers::SdlControllers(const AccessSettings& access) : access_(access) {
    if (subsystem_.started()) {
        SDL_JoystickEventState(SDL_ENABLE);
    }
}

bool SdlControllers::isControllerEvent(const SDL_Event& event) {
    return event.type == SDL_JOYDEVICEADDED || event.type == SDL_JOYDEVICEREMOVED ||
           event.type == SDL_JOYBUTTONDOWN || event.type == SDL_JOYBUTTONUP;
}

std::vector<InputEvent> SdlControllers::translate(const SDL_Event& event) {
    switch (event.type) {
    case SDL_JOYDEVICEADDED: {
        // SDL may report a controller more than once; it is opened once.
        const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(event.jdevice.which);
        if (id >= 0 && open_.find(id) == open_.end()) {
            if (SDL_Joystick* joystick = SDL_JoystickOpen(event.jdevice.which)) {
                open_[SDL_JoystickInstanceID(joystick)].reset(joystick);
            }
        }
        return {};
    }
    case SDL_JOYDEVICEREMOVED:
        open_.erase(event.jdevice.which);
        // What its buttons held is let go, so no switch stays down for ever.
        return asKeys(switches_.controllerGone(event.jdevice.which));
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        return asKeys(switches_.button(event.jbutton.which, event.jbutton.button,
                                       event.type == SDL_JOYBUTTONDOWN,
                                       access_.controllerFirstButton));
    default:
        return {};
    }
}

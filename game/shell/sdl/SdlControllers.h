// SPDX-License-Identifier: GPL-3.0-or-later
// Switch interfaces that present themselves as joysticks or game controllers, through SDL's plain
// joystick interface so that every box with buttons works. Each one present at the start, or
// plugged in while the game runs, is opened and held until it is unplugged; its buttons reach
// the screens as the keys of the two switches.
#pragma once

#include "common/content/AccessSettings.h"
#include "common/controllers/sdl/JoystickSubsystem.h"
#include "game/input/ControllerSwitches.h"
#include "game/input/InputEvent.h"

#include <SDL.h>
#include <map>
#include <memory>
#include <vector>

class SdlControllers {
public:
    // Starts SDL's joystick subsystem; SDL then reports the controllers already plugged in as
    // added. `access` is read at every button, so the first button the adult chose last counts.
    explicit SdlControllers(const AccessSettings& access);
    SdlControllers(const SdlControllers&) = delete;
    SdlControllers& operator=(const SdlControllers&) = delete;

    // True for the joystick events this handles.
    static bool isControllerEvent(const SDL_Event& event);
    // Opens an added controller, closes a removed one, turns buttons into switch keys: what the
    // screens hear of `event`, in order.
    std::vector<InputEvent> translate(const SDL_Event& event);

    // The number of controllers open.
    std::size_t openCount() const { return open_.size(); }

private:
    struct Closer {
        void operator()(SDL_Joystick* joystick) const { SDL_JoystickClose(joystick); }
    };

    const AccessSettings& access_;
    JoystickSubsystem subsystem_;
    // Closed before the subsystem quits.
    std::map<SDL_JoystickID, std::unique_ptr<SDL_Joystick, Closer>> open_;
    ControllerSwitches switches_;
};

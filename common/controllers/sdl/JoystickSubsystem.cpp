// SPDX-License-Identifier: GPL-3.0-or-later
#include "JoystickSubsystem.h"

#include <SDL.h>

JoystickSubsystem::JoystickSubsystem() : started_(SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0) {}

JoystickSubsystem::~JoystickSubsystem() {
    if (started_) {
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Controller buttons through SDL's joystick subsystem, started for the lifetime of this object:
// every controller attached, now or later, is opened, and its button presses are taken from
// SDL's event queue. The editor's other SDL part, the sound, is left as it is.
#pragma once

#include "common/controllers/sdl/JoystickSubsystem.h"
#include "editor/platform/ControllerButtons.h"

#include <map>
#include <memory>

struct _SDL_Joystick;

class CSdlControllerButtons : public ControllerButtons {
public:
    // Nothing when SDL cannot start its joystick subsystem.
    static std::unique_ptr<ControllerButtons> open();

    CSdlControllerButtons(const CSdlControllerButtons&) = delete;
    CSdlControllerButtons& operator=(const CSdlControllerButtons&) = delete;

    std::vector<int> takePresses() override;

private:
    CSdlControllerButtons() = default;

    struct Closer {
        void operator()(_SDL_Joystick* joystick) const;
    };
    JoystickSubsystem subsystem_;
    // The open controllers by SDL's instance id; closed before the subsystem quits.
    std::map<int, std::unique_ptr<_SDL_Joystick, Closer>> joysticks_;
};

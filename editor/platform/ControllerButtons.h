// SPDX-License-Identifier: GPL-3.0-or-later
// The buttons of game controllers and joysticks, as the switch settings dialog's test area
// hears them: many switch interfaces present themselves as controllers. The program hands in
// the SDL one; tests hand in one that presses what they are told.
#pragma once

#include <functional>
#include <memory>
#include <vector>

class ControllerButtons {
public:
    virtual ~ControllerButtons() = default;

    // The buttons pressed since the last call, oldest first, each by its number on its
    // controller (0 is the first). A held button is one press.
    virtual std::vector<int> takePresses() = 0;
};

// Starts listening to controllers for as long as the returned object lives; nothing when no
// controller can be heard.
using OpenControllerButtons = std::function<std::unique_ptr<ControllerButtons>()>;

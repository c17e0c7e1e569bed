// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen's update asks of the main loop: Stay on this screen, Quit the game, or change to
// the screen of a ScreenId. Stay and Quit are orders to the loop, not screens, so they are a type
// of their own; a NextScreen holds one of them or a screen's id.
#pragma once

#include "game/screen/ScreenId.h"

#include <optional>
#include <variant>

enum LoopCommand { Stay, Quit };

class NextScreen {
public:
    // Implicit, so that a screen can say `return Stay;` or `return MenuId;`.
    constexpr NextScreen(LoopCommand command) : next_(command) {}
    constexpr NextScreen(ScreenId screen) : next_(screen) {}

    constexpr bool stays() const { return next_ == Next(Stay); }
    constexpr bool quits() const { return next_ == Next(Quit); }
    // The screen to change to; none for Stay and Quit.
    constexpr std::optional<ScreenId> screen() const {
        if (const ScreenId* id = std::get_if<ScreenId>(&next_)) {
            return *id;
        }
        return std::nullopt;
    }

    friend constexpr bool operator==(NextScreen, NextScreen) = default;

private:
    using Next = std::variant<LoopCommand, ScreenId>;
    Next next_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// Which of the two switches a game controller's button stands for: many switch interfaces present
// themselves as controllers, and the adult chooses one button as the first switch (the game's
// Space, stepping); every other button is the second (Enter, choosing). The game and the editor's
// switch test both ask here, so they cannot disagree.
#pragma once

enum class ControllerSwitch { First, Second };

constexpr ControllerSwitch switchOfButton(int button, int firstButton) {
    return button == firstButton ? ControllerSwitch::First : ControllerSwitch::Second;
}

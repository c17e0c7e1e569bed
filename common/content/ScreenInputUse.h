// SPDX-License-Identifier: GPL-3.0-or-later
// How each of the game's screens takes what a child presses. The menu and find images scan: Space
// is the first switch (a step), Enter the second (a choice), a game mouse button chooses what the
// pointer is on, and other keys do nothing. The five other activities take any key or game mouse
// button as the switch. Esc is every screen's way out and no switch. The editor's switch test
// shows this per screen, so the adult learns which key works where.
#pragma once

#include "common/content/GameScreen.h"

// What reached the game: a controller's buttons arrive as Space (the first switch's button) or
// Enter (every other button); a game mouse button is the left or the right one.
enum class PressedInput { Space, Enter, Escape, OtherKey, GameMouseButton };

enum class InputUse { FirstSwitch, SecondSwitch, Contact, NotUsed, WayOut };

// The screens that scan with two switches rather than take any key as their one switch.
constexpr bool scansWithTwoSwitches(GameScreen screen) {
    return screen == GameScreen::Menu || screen == GameScreen::FindImages;
}

// How `screen` takes `input`. The options screen is the adult's, worked by pointing: it takes no
// key but Esc and no switch, so its mouse buttons count as not used here.
constexpr InputUse inputUseOn(GameScreen screen, PressedInput input) {
    if (input == PressedInput::Escape) {
        return InputUse::WayOut;
    }
    if (screen == GameScreen::Options) {
        return InputUse::NotUsed;
    }
    if (!scansWithTwoSwitches(screen)) {
        return InputUse::Contact;
    }
    switch (input) {
    case PressedInput::Space:
        return InputUse::FirstSwitch;
    case PressedInput::Enter:
    case PressedInput::GameMouseButton:
        return InputUse::SecondSwitch;
    default:
        return InputUse::NotUsed;
    }
}

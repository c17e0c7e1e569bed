// SPDX-License-Identifier: GPL-3.0-or-later
#include "PressLog.h"

#include "common/content/ScreenInputUse.h"
#include "game/input/KeyNames.h"
#include "game/platform/KeyCodes.h"

namespace {

PressedInput pressedKey(int key) {
    switch (key) {
    case kKeySpace:
        return PressedInput::Space;
    case kKeyEnter:
        return PressedInput::Enter;
    case kKeyEscape:
        return PressedInput::Escape;
    default:
        return PressedInput::OtherKey;
    }
}

bool takenAsSwitch(GameScreen screen, PressedInput input) {
    const InputUse use = inputUseOn(screen, input);
    return use == InputUse::FirstSwitch || use == InputUse::SecondSwitch ||
           use == InputUse::Contact;
}

} // namespace

void PressLog::take(const InputEvent& event, GameScreen screen) {
    const bool known = event.key >= 0 && event.key < static_cast<int>(heldKeys_.size());
    if (event.type == InputEvent::KeyUp && known) {
        heldKeys_.reset(static_cast<std::size_t>(event.key));
    } else if (event.type == InputEvent::MouseDown) {
        if (takenAsSwitch(screen, PressedInput::GameMouseButton)) {
            log_.press(LogInput::Mouse);
        }
    } else if (event.type == InputEvent::KeyDown && known &&
               !heldKeys_.test(static_cast<std::size_t>(event.key))) {
        heldKeys_.set(static_cast<std::size_t>(event.key));
        const PressedInput input = pressedKey(event.key);
        if (!takenAsSwitch(screen, input)) {
            return;
        }
        if (event.fromController) {
            log_.press(LogInput::Controller);
        } else if (input == PressedInput::Space || input == PressedInput::Enter) {
            log_.press(input == PressedInput::Space ? LogInput::First : LogInput::Second);
        } else {
            log_.keyPress(keyNameOf(event.key));
        }
    }
}

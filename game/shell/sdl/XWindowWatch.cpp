// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/shell/sdl/XWindowWatch.h"

std::optional<InputEvent> XWindowWatch::next(NextTurn wait) {
    std::optional<InputEvent> event;
    if (!guard_.windowGone()) {
        event = events_.next(wait);
    }
    if (guard_.windowGone()) {
        event.emplace();
        event->type = InputEvent::Quit;
    }
    return event;
}

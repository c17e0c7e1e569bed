// SPDX-License-Identifier: GPL-3.0-or-later
// The game's events, watched for the end of its window: once another program has destroyed the
// window, a Quit comes instead, and the game ends as Esc from the menu ends it, writing what it
// holds. X errors no longer end the game meanwhile (XDisplayGuard).
#pragma once

#include "game/shell/MainLoop.h"
#include "game/shell/sdl/XDisplayGuard.h"

#include <utility>

class XWindowWatch : public EventSource {
public:
    // Hands on the events of `events`, which must outlive it. `writeHeld` runs when the connection
    // to the X server is lost, just before the game ends with status 0.
    XWindowWatch(SDL_Window* window, EventSource& events, std::function<void()> writeHeld)
        : events_(events), guard_(window, std::move(writeHeld)) {}

    std::optional<InputEvent> next(NextTurn wait) override;

private:
    EventSource& events_;
    XDisplayGuard guard_;
};

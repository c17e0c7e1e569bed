// SPDX-License-Identifier: GPL-3.0-or-later
// The message box the game draws itself, in a small window of its own over the game's: its text
// is wrapped to fit the screen and an 800 x 600 game window, which the desktop's own box does not
// do. It owns its window and renderer only while it shows. A request to end the game (SIGTERM,
// logout) closes it and is passed on to the game's loop, which ends as it always does.
#pragma once

#include "game/platform/ErrorBox.h"

#include <SDL.h>

class SdlMessageBox : public ErrorBox {
public:
    // `parent` is the game's window, or null for a box of its own before the game has one.
    // SDL's video must be started.
    explicit SdlMessageBox(SDL_Window* parent) : parent_(parent) {}
    // Returns when the box is answered with Enter, Esc, its button or its close box, or when the
    // game is asked to end. Said on standard error as well when no box can be shown.
    void showError(std::u16string_view text, std::u16string_view caption) override;

private:
    SDL_Window* parent_;
};

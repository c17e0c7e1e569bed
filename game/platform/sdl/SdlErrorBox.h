// SPDX-License-Identifier: GPL-3.0-or-later
// The error message box, owned by the game window.
#pragma once

#include "game/platform/ErrorBox.h"

#include <SDL.h>

class SdlErrorBox : public ErrorBox {
public:
    explicit SdlErrorBox(SDL_Window* window) : window_(window) {}
    void showError(std::u16string_view text, std::u16string_view caption) override;

private:
    SDL_Window* window_;
};

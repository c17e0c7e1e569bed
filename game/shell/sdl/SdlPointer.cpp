// SPDX-License-Identifier: GPL-3.0-or-later
#include "SdlPointer.h"

void SdlPointer::moveTo(int x, int y) {
    int windowX = x;
    int windowY = y;
    if (renderer_) {
        // Through the scaling of a window larger than the game, black bars included.
        SDL_RenderLogicalToWindow(renderer_, static_cast<float>(x), static_cast<float>(y), &windowX,
                                  &windowY);
    }
    SDL_WarpMouseInWindow(window_, windowX, windowY);
    events_.pointerWarped(x, y);
}

bool SdlPointer::takesPresses() const {
    // Only the active game window takes the press, as when another program is in front.
    return (SDL_GetWindowFlags(window_) & SDL_WINDOW_INPUT_FOCUS) != 0;
}

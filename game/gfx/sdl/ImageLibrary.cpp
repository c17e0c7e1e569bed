// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/sdl/ImageLibrary.h"

#include <SDL_image.h>

namespace {
// IMG_Quit stops every decoder at once, whoever started it, so starts are counted here.
int users = 0;
} // namespace

ImageLibrary::ImageLibrary() {
    if (users++ == 0) {
        IMG_Init(IMG_INIT_PNG | IMG_INIT_JPG);
    }
}

ImageLibrary::~ImageLibrary() {
    if (--users == 0) {
        IMG_Quit();
    }
}

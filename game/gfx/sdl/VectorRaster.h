// SPDX-License-Identifier: GPL-3.0-or-later
// An SVG picture as the game keeps it: the file's text, and the texture last rasterised from it
// at the size it was last drawn, so that it is made again only when that size changes.
#pragma once

#include "game/gfx/sdl/GraphicsHandles.h"

#include <string>
#include <vector>

struct VectorRaster {
    std::u16string path; // named on standard error should it fail to rasterise
    std::vector<unsigned char> source;
    TexturePtr texture;
    int width = 0;
    int height = 0;
    bool failed = false;
};

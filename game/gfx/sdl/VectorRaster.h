// SPDX-License-Identifier: GPL-3.0-or-later
// An SVG picture as the game keeps it: the file's text, the texture last rasterised from it at
// the size it was last drawn, so that it is made again only when that size changes, and the
// drawing under way at a new size.
#pragma once

#include "game/gfx/sdl/GraphicsHandles.h"
#include "game/gfx/sdl/VectorJob.h"

#include <memory>
#include <string>
#include <vector>

struct VectorRaster {
    std::u16string path; // named on standard error should it fail to rasterise
    std::vector<unsigned char> source;
    TexturePtr texture;
    int width = 0;
    int height = 0;
    bool failed = false; // not drawn within its budget: shown as missing from then on
    std::unique_ptr<VectorJob> job;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// Decodes a raster picture (PNG, JPEG, GIF, BMP, TIFF, WebP) into the pixels the game keeps of
// it: standing upright as its camera recorded, no larger than it can be shown, in ARGB8888. A
// JPEG is decoded at a fraction of its size and a PNG shrunk row by row as it is decoded, so that
// neither is ever held at its full size. Uses no renderer: safe on any thread.
#pragma once

#include "common/pictures/PictureFile.h"
#include "game/gfx/Graphics.h"
#include "game/gfx/sdl/GraphicsHandles.h"

struct PixelSize {
    int width;
    int height;
};

// The most pixels across and down the game keeps of a picture, standing upright: a cached one is
// drawn at its own size, a plain one scaled into the box it is drawn in. A box of no pixels would
// keep nothing of the picture: one pixel is the least kept.
PixelSize mostKept(bool cached, DrawnBox drawnIn);

// The pixels kept of `file` within `most`; null when the picture cannot be decoded, is larger
// than the game decodes, or no memory is left for it.
SurfacePtr decodeRaster(const PictureFile& file, PixelSize most);

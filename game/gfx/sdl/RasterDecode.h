// SPDX-License-Identifier: GPL-3.0-or-later
// Decodes a raster picture (PNG, JPEG, GIF, BMP, TIFF, WebP) into the pixels the game keeps of
// it: standing upright as its camera recorded, no larger than it can be shown, in ARGB8888. A
// JPEG is decoded at a fraction of its size and a PNG shrunk row by row as it is decoded, so that
// neither is ever held at its full size. Uses no renderer: safe on any thread.
#pragma once

#include "common/pictures/PictureFile.h"
#include "game/gfx/Graphics.h"
#include "game/gfx/sdl/GraphicsHandles.h"

#include <span>

struct PixelSize {
    int width;
    int height;
};

// The most pixels across and down the game keeps of a picture, standing upright: a cached one is
// drawn at its own size, a plain one scaled into the box it is drawn in. A box of no pixels would
// keep nothing of the picture: one pixel is the least kept.
PixelSize mostKept(bool cached, DrawnBox drawnIn);

// Whether the game's own decoders, over libpng and libjpeg alone, take a picture of `format`
// whose file begins with `start`: a PNG that is not interlaced, or a JPEG of one, three or four
// channels. These never call SDL_image, whose decoders start their library on first use, which
// is no work for two threads at once: only such a picture is decoded on another thread.
bool decodedByOwnDecoders(std::span<const unsigned char> start, ImageFormat format);

// Whether the picture's size can be trusted before it is decoded, so that it may be decoded later
// and on another thread: a PNG that is not interlaced and whose chunks run whole to its end, or a
// JPEG of one, three or four channels whose header runs whole to its image data (the JPEG decoder
// makes a picture cut short after that whole, greying what is missing). Only damage inside the
// compressed data then keeps such a picture from decoding.
bool layableBeforeDecoding(const PictureFile& file);

// The pixels kept of `file` within `most`; null when the picture cannot be decoded, is larger
// than the game decodes, or no memory is left for it.
SurfacePtr decodeRaster(const PictureFile& file, PixelSize most);

// SPDX-License-Identifier: GPL-3.0-or-later
// What the structure of a PNG or JPEG file tells before its pixels are decoded: whether the
// game's own decoders take it, and whether it runs whole, so that its declared size can be laid
// out while it is decoded elsewhere.
#pragma once

#include "common/pictures/PictureFile.h"

#include <span>

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

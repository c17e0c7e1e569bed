// SPDX-License-Identifier: GPL-3.0-or-later
// Decodes a large JPEG straight to a fraction of its size (a half, a quarter or an eighth), which
// the JPEG library does in a fraction of the time a whole decoding takes, for a picture the game
// keeps smaller than the file anyway.
#pragma once

#include "game/gfx/sdl/GraphicsHandles.h"

#include <optional>
#include <span>

// The largest of 8, 4 and 2 that divides a picture of `width` x `height` into one still at least
// `leastWidth` x `leastHeight`; 1 when none does.
int jpegScaleDivisor(int width, int height, int leastWidth, int leastHeight);

// Nothing when the bytes are not a JPEG of one or three channels (the usual decoders take those);
// an empty surface when they are one that cannot be decoded; otherwise the picture, decoded at
// 1 / `divisor` of its size (rounded up; 1 for its own size), in ARGB8888.
std::optional<SurfacePtr> decodeJpegDivided(std::span<const unsigned char> bytes, int divisor);

// SPDX-License-Identifier: GPL-3.0-or-later
// How a picture's stored pixels are turned to stand upright: a camera stores a photo as its sensor
// saw it and notes, in the photo's metadata, which of eight turns and mirrorings shows it the
// right way up. Both programs turn a picture's pixels the same way, so the preview shows what the
// game shows.
#pragma once

#include <cstdint>

// The eight values as cameras record them, named by what makes the stored pixels upright.
enum class PictureOrientation {
    Upright = 1,
    MirroredLeftRight = 2,
    UpsideDown = 3,
    MirroredTopBottom = 4,
    Transposed = 5,    // mirrored along the diagonal from the top left
    TurnClockwise = 6, // a quarter turn clockwise stands it upright
    Transversed = 7,   // mirrored along the diagonal from the top right
    TurnAnticlockwise = 8,
};

// Whether the upright picture is as wide as the stored one is high (a quarter turn or a
// mirroring along a diagonal).
bool swapsSides(PictureOrientation orientation);

// Writes the upright picture of `stored` (32-bit pixels, `storedWidth` x `storedHeight`, rows
// `storedStride` pixels apart) into `upright`, whose rows are `uprightStride` pixels apart and
// whose size is the stored one, its sides swapped when swapsSides.
void turnUpright(PictureOrientation orientation, const std::uint32_t* stored, int storedWidth,
                 int storedHeight, int storedStride, std::uint32_t* upright, int uprightStride);

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/pictures/PictureOrientation.h"

#include <cstddef>

namespace {

// Where the upright picture's top-left pixel lies in the stored one, as a corner (0 or 1 for
// each of x and y, 1 being the far side), and the steps in the stored picture that the next
// pixel of an upright row and the next upright row take.
struct Walk {
    int cornerX;
    int cornerY;
    int rowX;
    int rowY;
    int columnX;
    int columnY;
};

Walk walkOf(PictureOrientation orientation) {
    switch (orientation) {
    case PictureOrientation::Upright:
        break;
    case PictureOrientation::MirroredLeftRight:
        return {1, 0, -1, 0, 0, 1};
    case PictureOrientation::UpsideDown:
        return {1, 1, -1, 0, 0, -1};
    case PictureOrientation::MirroredTopBottom:
        return {0, 1, 1, 0, 0, -1};
    case PictureOrientation::Transposed:
        return {0, 0, 0, 1, 1, 0};
    case PictureOrientation::TurnClockwise:
        return {0, 1, 0, -1, 1, 0};
    case PictureOrientation::Transversed:
        return {1, 1, 0, -1, -1, 0};
    case PictureOrientation::TurnAnticlockwise:
        return {1, 0, 0, 1, -1, 0};
    }
    return {0, 0, 1, 0, 0, 1};
}

} // namespace

bool swapsSides(PictureOrientation orientation) {
    return orientation >= PictureOrientation::Transposed &&
           orientation <= PictureOrientation::TurnAnticlockwise;
}

void turnUpright(PictureOrientation orientation, const std::uint32_t* stored, int storedWidth,
                 int storedHeight, int storedStride, std::uint32_t* upright, int uprightStride) {
    const Walk walk = walkOf(orientation);
    const bool swapped = swapsSides(orientation);
    const int width = swapped ? storedHeight : storedWidth;
    const int height = swapped ? storedWidth : storedHeight;
    const std::ptrdiff_t alongRow = walk.rowX + std::ptrdiff_t{walk.rowY} * storedStride;
    const std::ptrdiff_t alongColumn = walk.columnX + std::ptrdiff_t{walk.columnY} * storedStride;
    const std::uint32_t* rowStart =
        stored + walk.cornerX * (storedWidth - 1) +
        std::ptrdiff_t{walk.cornerY} * (storedHeight - 1) * storedStride;
    for (int y = 0; y < height; ++y, rowStart += alongColumn) {
        const std::uint32_t* from = rowStart;
        std::uint32_t* to = upright + std::ptrdiff_t{y} * uprightStride;
        for (int x = 0; x < width; ++x, from += alongRow) {
            to[x] = *from;
        }
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Makes a picture smaller while it is being decoded, a row at a time: each pixel of the smaller
// picture is the average of the block of pixels it stands for, weighted by their opacity so that
// transparent pixels lend no colour to an edge. Only one row of sums is ever held, never the
// picture at its full size.
#pragma once

#include <SDL.h>
#include <cstdint>
#include <vector>

class RowShrinker {
public:
    // `target` (ARGB8888, no larger than the source either way) receives the smaller picture.
    RowShrinker(int sourceWidth, int sourceHeight, SDL_Surface& target);

    // The next row of the source, from the top, `sourceWidth` pixels of ARGB8888.
    void take(const std::uint32_t* row);

private:
    void finishTargetRow();

    int sourceHeight_;
    SDL_Surface& target_;
    // The source column after the last that each target column averages.
    std::vector<int> columnEnds_;
    // Per target column: alpha, and red, green and blue each times its alpha.
    std::vector<std::uint64_t> sums_;
    int sourceRow_ = 0;
    int targetRow_ = 0;
    int rowsInBand_ = 0;
};

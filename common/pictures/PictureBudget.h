// SPDX-License-Identifier: GPL-3.0-or-later
// The time and memory one picture may take to draw. A picture that needs more (an SVG made to
// hang a program, or one of a million shapes) is not shown: the game shows it as missing and the
// editor refuses to copy it in, both by these same figures.
#pragma once

#include <cstddef>
#include <cstdint>

struct PictureBudget {
    std::uint32_t milliseconds;
    std::size_t bytes;
};

// Real clip art is drawn in a few tens of milliseconds and megabytes even on a slow machine; a
// screen may draw several pictures at once, each with a budget of its own.
constexpr PictureBudget kPictureBudget{3000, std::size_t{128} << 20};

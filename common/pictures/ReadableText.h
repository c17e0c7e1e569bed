// SPDX-License-Identifier: GPL-3.0-or-later
// Chooses the colour of a word written over a coloured background: black or white, whichever
// stands out more by the relative luminance that readability guidelines use, so that a word keeps
// a contrast of at least 4.5:1 wherever either colour can reach it.
#pragma once

#include <cstdint>

// Relative luminance of the colour's red, green and blue in sRGB, from 0 (black) to 1 (white).
// Alpha plays no part.
double relativeLuminance(std::uint32_t argb);

// From 1:1 (the same luminance) to 21:1 (black and white), whichever colour is the lighter.
double contrastRatio(std::uint32_t first, std::uint32_t second);

// Opaque black or opaque white, whichever contrasts more with the red, green and blue of
// `background`; black when both contrast alike. The game shows its frames as they are, never
// blended over anything, so a transparent background colour shows exactly those channels.
std::uint32_t readableTextColour(std::uint32_t background);

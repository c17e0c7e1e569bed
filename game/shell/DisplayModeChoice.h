// SPDX-License-Identifier: GPL-3.0-or-later
// Picks the display mode the game switches to from the modes the display offers: 800 x 600 at
// 16, else 32, else 8 bits per pixel. A mode's depth is counted by the bytes each pixel takes,
// since platforms report true colour as 24 bits of colour held in 4 bytes.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

struct OfferedDisplayMode {
    int width = 0;
    int height = 0;
    int bytesPerPixel = 0;
};

struct ChosenDisplayMode {
    std::size_t index = 0; // into the offered modes
    int bitsPerPixel = 0;
};

// Empty when no 800 x 600 mode of those depths is offered: the game then keeps the desktop.
std::optional<ChosenDisplayMode>
chooseGameDisplayMode(const std::vector<OfferedDisplayMode>& modes);

// SPDX-License-Identifier: GPL-3.0-or-later
// The 19 colours an exercise can be given with the colour arrows, and the moves between them.
// The last one has alpha 0: the game takes it as "no colour of its own".
#pragma once

#include <cstdint>

class ExerciseColours {
public:
    static constexpr int kCount = 19;

    // The ARGB colour at `index` (0 to 18).
    static std::uint32_t at(int index);

    // The first index, from `start` onwards and wrapping after 18, whose colour is `colour`;
    // `start` when the palette lacks it.
    static int findColourIndex(int start, std::uint32_t colour);

    // The palette place of `colour`: its own (from `start` onwards, as findColourIndex), else
    // the opaque palette colour nearest to the red, green and blue the game shows for it.
    static int nearestIndex(int start, std::uint32_t colour);

    // The neighbours, wrapping between 18 and 0.
    static int next(int index) { return (index + 1) % kCount; }
    static int previous(int index) { return (index + kCount - 1) % kCount; }
};

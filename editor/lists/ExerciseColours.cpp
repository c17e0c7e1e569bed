// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/lists/ExerciseColours.h"

#include <array>
#include <cstdint>

namespace {

constexpr std::array<std::uint32_t, ExerciseColours::kCount> kPalette = {
    0xFFFFFFFF, // white
    0xFF000000, // black
    0xFF46DFF1, // turquoise
    0xFF3FCEFD, // light blue
    0xFF0000FF, // blue
    0xFF2236AA, // dark blue
    0xFFEDFDC1, // pale yellow-green
    0xFFB5F58A, // light green
    0xFF99CF58, // green
    0xFF70BA17, // grass green
    0xFF4D763F, // dark green
    0xFFFDE122, // yellow
    0xFFFCA43B, // orange
    0xFFF46823, // red-orange
    0xFFDB3A3A, // red
    0xFFFFD4D4, // pink
    0xFFCD378C, // magenta
    0xFFBC3FFD, // violet
    0x00FFFFFF, // no colour of its own
};

} // namespace

std::uint32_t ExerciseColours::at(int index) {
    return kPalette[static_cast<std::size_t>(((index % kCount) + kCount) % kCount)];
}

int ExerciseColours::findColourIndex(int start, std::uint32_t colour) {
    for (int step = 0; step < kCount; ++step) {
        const int index = (start + step) % kCount;
        if (kPalette[static_cast<std::size_t>(index)] == colour) {
            return index;
        }
    }
    return start;
}

int ExerciseColours::nearestIndex(int start, std::uint32_t colour) {
    const int own = findColourIndex(start, colour);
    if (kPalette[static_cast<std::size_t>(own)] == colour) {
        return own;
    }
    const auto channel = [](std::uint32_t argb, int shift) {
        return static_cast<std::int64_t>((argb >> shift) & 0xFFu);
    };
    int nearest = start;
    std::int64_t nearestDistance = INT64_MAX;
    for (int index = 0; index < kCount - 1; ++index) { // the last, "no colour", only as itself
        std::int64_t distance = 0;
        for (int shift : {16, 8, 0}) {
            const std::int64_t difference =
                channel(kPalette[static_cast<std::size_t>(index)], shift) - channel(colour, shift);
            distance += difference * difference;
        }
        if (distance < nearestDistance) {
            nearest = index;
            nearestDistance = distance;
        }
    }
    return nearest;
}

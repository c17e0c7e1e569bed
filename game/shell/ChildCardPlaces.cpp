// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChildCardPlaces.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kTop = 80;    // below the stop button
constexpr float kMargin = 20; // around the cards' area and between cards
constexpr float kNameShare = 0.2f;

std::size_t columnsFor(std::size_t count) {
    if (count <= 3) {
        return std::max<std::size_t>(count, 1);
    }
    if (count == 4) {
        return 2;
    }
    // As square a grid as the 4:3 area allows.
    return static_cast<std::size_t>(std::ceil(std::sqrt(static_cast<double>(count) * 4.0 / 3.0)));
}

} // namespace

std::vector<RectF> childCardPlaces(std::size_t count) {
    std::vector<RectF> places;
    if (count == 0) {
        return places;
    }
    const std::size_t columns = columnsFor(count);
    const std::size_t rows = (count + columns - 1) / columns;
    const float cellWidth = (800 - kMargin) / static_cast<float>(columns);
    const float cellHeight = (600 - kTop - kMargin) / static_cast<float>(rows);
    // A square picture with the name under it, centred in its cell.
    const float room = std::min(cellWidth, cellHeight) - kMargin;
    const float nameHeight = std::clamp(room * kNameShare, 14.0f, 40.0f);
    const float side = std::min(cellWidth - kMargin, cellHeight - kMargin - nameHeight);
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t row = k / columns;
        const std::size_t column = k % columns;
        // A last row that is not full is centred.
        const std::size_t inRow = row + 1 == rows ? count - row * columns : columns;
        const float cellX = (800 - cellWidth * static_cast<float>(inRow)) / 2 +
                            cellWidth * static_cast<float>(column);
        const float cellY = kTop + cellHeight * static_cast<float>(row);
        places.push_back({std::floor(cellX + (cellWidth - side) / 2),
                          std::floor(cellY + (cellHeight - side - nameHeight) / 2),
                          std::floor(side), std::floor(side + nameHeight)});
    }
    return places;
}

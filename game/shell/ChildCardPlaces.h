// SPDX-License-Identifier: GPL-3.0-or-later
// Where the cards of the children who share a computer go on the screen that chooses among them.
#pragma once

#include "common/pictures/RectF.h"

#include <cstddef>
#include <vector>

// The places of `count` children's cards in the 800 x 600 game space: rows of equal cards below
// the stop button, each a square picture with a band for the name under it, as large as fit, so
// that an adult's click and a child's eye find them easily.
std::vector<RectF> childCardPlaces(std::size_t count);

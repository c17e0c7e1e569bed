// SPDX-License-Identifier: GPL-3.0-or-later
// Random input as a child gives it, for tests that play through screens: switch presses (any
// key), clicks and pointer moves anywhere, a little time between them. Fixed seed, so a failure
// can be replayed.
#pragma once

#include "game/content/RandomGenerator.h"
#include "game/screen/Screen.h"

#include <cstdint>
#include <iterator>
#include <utility>

class ChildInput {
public:
    explicit ChildInput(std::uint32_t seed) : random_(seed) {}

    int below(int n) { return randomInRange(random_, 0, n - 1); }

    // A key a switch box or a keyboard may send; never Esc.
    int key() {
        static constexpr int kKeys[] = {kKeySpace,      kKeySpace, kKeySpace, kKeyEnter,
                                        kKeyEnter,      'A',       'Z',       '1',
                                        16 /* shift */, 37 /* left */};
        return kKeys[below(static_cast<int>(std::size(kKeys)))];
    }

    // A point of the 800 x 600 game, away from the stop button in the upper left corner.
    std::pair<int, int> point() {
        for (;;) {
            const int x = below(800);
            const int y = below(600);
            if (x >= 100 || y >= 100) {
                return {x, y};
            }
        }
    }

private:
    RandomGenerator random_;
};

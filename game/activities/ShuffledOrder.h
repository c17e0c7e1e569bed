// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers 0 to count - 1 in a random order, handed out one at a time and shuffled anew each
// time all have been used, so every number comes once before any comes again (the sound variants
// of the picture steps, the directions of the moving pictures).
#pragma once

#include "game/content/RandomGenerator.h"

#include <cstddef>
#include <utility>
#include <vector>

class ShuffledOrder {
public:
    // In plain order until start; count must be at least 1.
    ShuffledOrder(int count, RandomGenerator& random) : random_(random) {
        for (int value = 0; value < count; ++value) {
            order_.push_back(value);
        }
    }

    // A fresh random order, from its first number.
    void start() {
        shuffle();
        position_ = 0;
    }

    // The number at the position; it stays until advance.
    int current() const { return order_[position_]; }

    // Moves on; after the last number a new order begins.
    void advance() {
        ++position_;
        if (position_ >= order_.size()) {
            shuffle();
            position_ = 0;
        }
    }

private:
    // Every order equally likely, drawn from the program-wide generator.
    void shuffle() {
        for (int i = static_cast<int>(order_.size()) - 1; i > 0; --i) {
            std::swap(order_[static_cast<std::size_t>(i)],
                      order_[static_cast<std::size_t>(randomInRange(random_, 0, i))]);
        }
    }

    RandomGenerator& random_;
    std::vector<int> order_;
    std::size_t position_ = 0;
};

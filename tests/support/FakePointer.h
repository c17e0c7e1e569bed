// SPDX-License-Identifier: GPL-3.0-or-later
// A pointer for screen tests: it records where it was moved, takes every press, and delivers each
// move to the screen later, when the test lets the next turn come (deliverMoves), as a real
// pointer-move event would arrive.
#pragma once

#include "game/platform/Pointer.h"
#include "game/screen/Screen.h"

#include <utility>
#include <vector>

class FakePointer : public Pointer {
public:
    void moveTo(int x, int y) override {
        moves.emplace_back(x, y);
        pending_.emplace_back(x, y);
    }
    bool takesPresses() const override { return true; }
    void deliverMoves() {
        auto pending = std::move(pending_);
        pending_.clear();
        for (const auto& [x, y] : pending) {
            if (screen) {
                screen->mouseMove(x, y);
            }
        }
    }

    Screen* screen = nullptr;
    std::vector<std::pair<int, int>> moves;

private:
    std::vector<std::pair<int, int>> pending_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The changes to the open list that can be taken back: an exercise deleted, moved in the play
// order or renamed. Each step keeps what puts the exercise back as it was. Steps are taken back
// last first, so each finds the exercises in the places it left them: the changes not kept here
// (a new exercise at the end, a text, colour or file) move no exercise.
#pragma once

#include "common/content/Exercise.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class CListUndo {
public:
    void deleted(std::size_t place, const Exercise& exercise);
    void moved(std::size_t from, std::size_t to);
    void renamed(std::size_t place, std::u16string oldName);
    // Another list, or the same one read again: the steps no longer fit its exercises.
    void clear() { steps_.clear(); }
    bool isEmpty() const { return steps_.empty(); }

    // Takes the last step back on `exercises`; the place of the exercise it put back, nothing
    // when there was no step.
    std::optional<std::size_t> takeBack(std::vector<Exercise>& exercises);

private:
    enum class Kind { Deleted, Moved, Renamed };
    struct Step {
        Kind kind;
        std::size_t place; // where the exercise is now (moved: where it came from)
        std::size_t to;    // moved: where it went
        Exercise exercise; // deleted: all of it; renamed: its old name
    };
    void add(Step step);

    std::vector<Step> steps_;
};

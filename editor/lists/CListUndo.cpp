// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/lists/CListUndo.h"

#include <utility>

namespace {

// Enough for a session's slips; the oldest steps go first.
constexpr std::size_t kMostSteps = 100;

} // namespace

void CListUndo::deleted(std::size_t place, const Exercise& exercise) {
    add({Kind::Deleted, place, 0, exercise});
}

void CListUndo::moved(std::size_t from, std::size_t to) {
    add({Kind::Moved, from, to, {}});
}

void CListUndo::renamed(std::size_t place, std::u16string oldName) {
    Exercise old;
    old.name = std::move(oldName);
    add({Kind::Renamed, place, 0, std::move(old)});
}

void CListUndo::add(Step step) {
    if (steps_.size() >= kMostSteps) {
        steps_.erase(steps_.begin());
    }
    steps_.push_back(std::move(step));
}

std::optional<std::size_t> CListUndo::takeBack(std::vector<Exercise>& exercises) {
    if (steps_.empty()) {
        return std::nullopt;
    }
    Step step = std::move(steps_.back());
    steps_.pop_back();
    // A step that no longer fits (the exercises changed in a way not kept here) is dropped.
    const std::size_t count = exercises.size();
    if (step.place > count || (step.kind != Kind::Deleted && step.place >= count) ||
        (step.kind == Kind::Moved && step.to >= count)) {
        steps_.clear();
        return std::nullopt;
    }
    switch (step.kind) {
    case Kind::Deleted:
        exercises.insert(exercises.begin() + static_cast<std::ptrdiff_t>(step.place),
                         std::move(step.exercise));
        break;
    case Kind::Moved: {
        // Out of the place it went to, back into the one it came from.
        Exercise moved = std::move(exercises[step.to]);
        exercises.erase(exercises.begin() + static_cast<std::ptrdiff_t>(step.to));
        exercises.insert(exercises.begin() + static_cast<std::ptrdiff_t>(step.place),
                         std::move(moved));
        break;
    }
    case Kind::Renamed:
        exercises[step.place].name = std::move(step.exercise.name);
        break;
    }
    return step.place;
}

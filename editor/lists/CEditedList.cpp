// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/lists/CEditedList.h"

#include "common/text/CaseFolding.h"
#include "editor/lists/CItemName.h"
#include "editor/lists/ExerciseColours.h"

#include <algorithm>
#include <cerrno>
#include <utility>

namespace {

constexpr std::uint32_t kNewExerciseColour = 0xFF000000;

} // namespace

CEditedList::CEditedList(CListFolder& lists) : lists_(lists) {}

const Exercise* CEditedList::chosen() const {
    return chosen_ ? &exercises_[*chosen_] : nullptr;
}

CEditedList::Opening CEditedList::open(std::u16string_view name) {
    if (unsaved_) {
        return Opening::Refused;
    }
    std::optional<std::u16string> listed = lists_.find(name);
    if (!listed) {
        // Removed since it was offered (by hand, or by another editor): it is not shown as an
        // empty list, which the next change would write anew.
        letGo();
        return Opening::NotThere;
    }
    exercises_ = lists_.load(*listed, linesAfterEnd_);
    name_ = std::move(listed);
    chosen_.reset();
    undo_.clear();
    return Opening::Opened;
}

bool CEditedList::create(std::u16string_view name) {
    if (unsaved_) {
        return false;
    }
    // On a disk that ignores letter case it would be the same file: the list is kept and chosen.
    const std::optional<std::u16string> listed = lists_.find(name);
    if (listed && *listed != name) {
        return open(*listed) == Opening::Opened;
    }
    letGo();
    if (!lists_.save(name, {})) {
        return false;
    }
    // The folder may spell it otherwise: a list of that name in another letter case was
    // replaced.
    return open(name) == Opening::Opened;
}

bool CEditedList::close() {
    if (unsaved_) {
        return false;
    }
    letGo();
    return true;
}

bool CEditedList::removeFile(std::uint32_t& error) {
    if (!name_) {
        return true;
    }
    const bool removed = lists_.remove(*name_, error);
    if (!removed && error != ENOENT) {
        return false;
    }
    unsaved_ = false;
    letGo();
    return removed;
}

void CEditedList::letGo() {
    name_.reset();
    exercises_.clear();
    chosen_.reset();
    linesAfterEnd_ = 0;
    undo_.clear();
}

bool CEditedList::save() {
    // Writing now would drop the lines after the list's end without the user's word.
    if (!name_ || linesAfterEnd_ > 0) {
        return true;
    }
    unsaved_ = !lists_.save(*name_, exercises_);
    return !unsaved_;
}

bool CEditedList::saveUnsaved() {
    return !unsaved_ || save();
}

void CEditedList::choose(std::u16string_view exerciseName) {
    // Names need not be unique: the first one in file order is the one meant.
    const auto found =
        std::find_if(exercises_.begin(), exercises_.end(),
                     [&](const Exercise& exercise) { return exercise.name == exerciseName; });
    if (found == exercises_.end()) {
        chosen_.reset();
        return;
    }
    chosen_ = static_cast<std::size_t>(found - exercises_.begin());
    colourIndex_ = ExerciseColours::nearestIndex(colourIndex_, found->colour);
}

bool CEditedList::addExercise(std::u16string_view typedName) {
    if (!name_ || linesAfterEnd_ > 0) {
        return true;
    }
    Exercise exercise;
    exercise.name = CItemName::onOneLine(typedName);
    exercise.colour = kNewExerciseColour;
    exercises_.push_back(std::move(exercise));
    // The new exercise is the one the user works on next: its picture, sound and text go to it.
    chosen_ = exercises_.size() - 1;
    colourIndex_ = ExerciseColours::findColourIndex(colourIndex_, kNewExerciseColour);
    return save();
}

bool CEditedList::deleteChosen() {
    if (!chosen_ || linesAfterEnd_ > 0) {
        return true;
    }
    undo_.deleted(*chosen_, exercises_[*chosen_]);
    exercises_.erase(exercises_.begin() + static_cast<std::ptrdiff_t>(*chosen_));
    chosen_.reset();
    return save();
}

bool CEditedList::setChosenText(std::u16string_view typed) {
    if (!chosen_ || linesAfterEnd_ > 0) {
        return true;
    }
    exercises_[*chosen_].text = CItemName::onOneLine(typed);
    return save();
}

bool CEditedList::moveChosenColour(bool forward) {
    if (!chosen_ || linesAfterEnd_ > 0) {
        return true;
    }
    colourIndex_ =
        forward ? ExerciseColours::next(colourIndex_) : ExerciseColours::previous(colourIndex_);
    exercises_[*chosen_].colour = ExerciseColours::at(colourIndex_);
    return save();
}

bool CEditedList::setChosenFile(std::u16string Exercise::*field, std::u16string_view fileName) {
    if (!chosen_ || linesAfterEnd_ > 0) {
        return true;
    }
    exercises_[*chosen_].*field = std::u16string(fileName);
    return save();
}

bool CEditedList::moveChosen(bool earlier) {
    if (!chosen_ || (earlier && *chosen_ == 0)) {
        return true;
    }
    return moveChosenTo(earlier ? *chosen_ - 1 : *chosen_ + 1);
}

bool CEditedList::moveChosenTo(std::size_t place) {
    if (!chosen_ || place >= exercises_.size() || place == *chosen_) {
        return true;
    }
    const auto from = exercises_.begin() + static_cast<std::ptrdiff_t>(*chosen_);
    const auto to = exercises_.begin() + static_cast<std::ptrdiff_t>(place);
    // Rotated, not swapped: the ones between keep their order.
    if (place < *chosen_) {
        std::rotate(to, from, from + 1);
    } else {
        std::rotate(from, from + 1, to + 1);
    }
    undo_.moved(*chosen_, place);
    chosen_ = place;
    return save();
}

CEditedList::Renaming CEditedList::renameList(std::u16string_view newName, std::uint32_t& error) {
    if (!name_ || newName == *name_) {
        return Renaming::Renamed;
    }
    if (equalsIgnoringCase(newName, *name_)) {
        return Renaming::OnlyLetterCase;
    }
    if (lists_.exists(newName)) {
        return Renaming::Taken;
    }
    if (!lists_.save(newName, exercises_, error)) {
        return Renaming::Failed;
    }
    if (!lists_.remove(*name_, error) && error != ENOENT) {
        std::uint32_t ignored = 0;
        lists_.remove(newName, ignored); // one list, not two
        return Renaming::Failed;
    }
    unsaved_ = false; // the exercises as held are what the new file has
    name_ = lists_.find(newName).value_or(std::u16string(newName));
    return Renaming::Renamed;
}

bool CEditedList::renameChosen(std::u16string_view typedName) {
    const std::u16string name = CItemName::onOneLine(typedName);
    if (!chosen_ || name.empty()) {
        return true;
    }
    if (name != exercises_[*chosen_].name) {
        undo_.renamed(*chosen_, std::exchange(exercises_[*chosen_].name, name));
    }
    return save();
}

bool CEditedList::undo() {
    if (linesAfterEnd_ > 0) {
        return true;
    }
    const std::optional<std::size_t> place = undo_.takeBack(exercises_);
    if (!place) {
        return true;
    }
    chosen_ = place;
    colourIndex_ = ExerciseColours::nearestIndex(colourIndex_, exercises_[*place].colour);
    return save();
}

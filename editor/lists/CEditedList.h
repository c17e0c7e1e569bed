// SPDX-License-Identifier: GPL-3.0-or-later
// The list being edited: which list of the language's folder is open, its exercises, which one
// is chosen and the palette place of its colour. Every change is written at once; changes that
// could not be written are held as unsaved, and nothing that lets go of the list (opening
// another, making a new one, closing) drops them until they are written or let go on purpose.
#pragma once

#include "common/content/Exercise.h"
#include "editor/lists/CListFolder.h"
#include "editor/lists/CListUndo.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CEditedList {
public:
    enum class Opening { Opened, NotThere, Refused };
    enum class Renaming { Renamed, Taken, OnlyLetterCase, Failed };

    // `lists` must outlive this.
    explicit CEditedList(CListFolder& lists);

    // The open list's name as the folder lists it; nothing when no list is open.
    const std::optional<std::u16string>& name() const { return name_; }
    bool isOpen() const { return name_.has_value(); }
    // The open list's exercises, in file order.
    const std::vector<Exercise>& exercises() const { return exercises_; }
    // The chosen exercise; null when none is.
    const Exercise* chosen() const;
    // The chosen exercise's place in the file, which is the order the game plays them in
    // (unless it shuffles); nothing when none is chosen.
    std::optional<std::size_t> chosenPlace() const { return chosen_; }
    // The palette place the colour arrows step from: that of the chosen exercise's colour, or
    // the nearest one when the palette lacks it.
    int colourIndex() const { return colourIndex_; }
    // The exercises differ from the file: the last write failed.
    bool hasUnsavedChanges() const { return unsaved_; }
    // The lines the open list's file holds after the empty name line that ends it (empty lines
    // at the very end not counted). The game never shows them, and writing the list drops them,
    // so while there are any nothing is changed or written until `dropLinesAfterEnd`.
    std::size_t linesAfterEnd() const { return linesAfterEnd_; }
    // The user agrees that the next write leaves those lines out.
    void dropLinesAfterEnd() { linesAfterEnd_ = 0; }

    // Opens the list of this name in any letter case. NotThere when the folder no longer holds
    // it (no list is open then); Refused, with nothing changed, while changes are unsaved.
    Opening open(std::u16string_view name);
    // Writes an empty list of this name, over one of exactly this name, and opens it; a list
    // whose name differs only in letter case is opened instead, as it is. False when refused
    // while changes are unsaved (nothing changed), or when it cannot be written (no list is open
    // then).
    bool create(std::u16string_view name);
    // Lets go of the list; false, with nothing changed, while changes are unsaved.
    bool close();
    // Removes the open list's file and closes it, unsaved changes and all. A file gone already
    // closes it as well, and still gives false with the system's `error`.
    bool removeFile(std::uint32_t& error);

    // Gives the open list a new name: the list is written whole under it before the old file
    // goes, so a failure leaves the old file (Failed, with the system's `error`). Taken when
    // another list has that name in any letter case; OnlyLetterCase when it differs from the
    // old name only so, which a disk that ignores case cannot tell apart.
    Renaming renameList(std::u16string_view newName, std::uint32_t& error);

    // Writes the exercises; true when no list is open. A failure leaves the file as it was and
    // the exercises unsaved.
    bool save();
    // True when nothing is unsaved any more: there was nothing, or it could be written now.
    bool saveUnsaved();
    // The user lets the unsaved changes go; the file keeps what it has.
    void discardUnsaved() { unsaved_ = false; }

    // Chooses the first exercise of this name in file order; none when no exercise has it.
    void choose(std::u16string_view exerciseName);

    // The changes below are written at once; they give the result of that write, true when
    // there was nothing to change (no list open, no exercise chosen, lines after the end held).
    // A new exercise at the end, named as typed on one line, black, and chosen.
    bool addExercise(std::u16string_view typedName);
    bool deleteChosen();
    // The chosen exercise's text, as typed, on one line.
    bool setChosenText(std::u16string_view typed);
    // The chosen exercise's colour moves one place along the palette.
    bool moveChosenColour(bool forward);
    // The chosen exercise is named as typed, on one line, and keeps everything else; an empty
    // name changes nothing.
    bool renameChosen(std::u16string_view typedName);
    // The chosen exercise changes places with the one before it (`earlier`) or after it, and
    // stays chosen; at the start or end of the list nothing changes.
    bool moveChosen(bool earlier);
    // The chosen exercise moves to `place` in the file, the ones between shift by one towards
    // where it was, and it stays chosen; a place beyond the end changes nothing.
    bool moveChosenTo(std::size_t place);
    // The chosen exercise's picture, sound or speech (`field`) names this file; empty for none.
    bool setChosenFile(std::u16string Exercise::*field, std::u16string_view fileName);
    // Deleting, moving and renaming an exercise can be taken back, last first, while the list
    // stays open; the exercise taken back is chosen.
    bool canUndo() const { return !undo_.isEmpty(); }
    bool undo();

private:
    void letGo();

    CListFolder& lists_;
    std::optional<std::u16string> name_;
    std::vector<Exercise> exercises_;
    std::optional<std::size_t> chosen_;
    int colourIndex_ = 0;
    bool unsaved_ = false;
    std::size_t linesAfterEnd_ = 0;
    CListUndo undo_;
};

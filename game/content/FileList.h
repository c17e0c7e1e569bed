// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the files in a media folder (every praise sound, every painting), handed out in
// folder order or in a shuffled order that is renewed each time the list is used up. Also keeps
// the colour cycle of the options screen's palette.
#pragma once

#include "common/files/FileSystem.h"
#include "game/content/RandomGenerator.h"
#include "game/platform/Clock.h"

#include <cstdint>
#include <string>
#include <vector>

class FileList {
public:
    // Seeds the program-wide generator with the wall clock's seconds.
    FileList(const FileSystem& files, RandomGenerator& random, const Clock& clock);

    // Appends the files (never folders) matching the pattern, in folder order. True when some
    // matched, false when none did.
    bool fill(std::u16string_view pattern);
    // A new random order; from now on the names are reshuffled each time the list wraps.
    void shuffle();
    // The empty name when the list is empty.
    std::u16string next();
    std::u16string previous();
    std::u16string current() const;
    // True with the cursor on the name when found; false with the cursor at 0 otherwise.
    bool find(std::u16string_view name);
    // Empties the names; the colours stay.
    void clear();
    // Drops the names that hold a control character, a line break among them: such a name
    // cannot stand on one line of a settings or list file.
    void dropNamesWithControlCharacters();

    // The options screen's 19 colours, appended in palette order.
    void fillPalette();
    // Makes the colour current, appending it when the palette lacks it.
    void selectColour(std::uint32_t argb);
    // The next colour, wrapping to the first; 0 when there are none.
    std::uint32_t nextColour();

    const std::vector<std::u16string>& names() const { return names_; }
    int cursor() const { return cursor_; }
    const std::vector<std::uint32_t>& colours() const { return colours_; }
    int colourCursor() const { return colourCursor_; }

private:
    bool cursorInList() const { return cursor_ >= 0 && cursor_ < static_cast<int>(names_.size()); }

    const FileSystem& files_;
    RandomGenerator& random_;
    bool randomOrder_ = false;
    std::vector<std::u16string> names_;
    int cursor_ = 0;
    std::vector<std::uint32_t> colours_;
    int colourCursor_ = 0;
};

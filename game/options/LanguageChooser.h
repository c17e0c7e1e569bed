// SPDX-License-Identifier: GPL-3.0-or-later
// The options screen's choice of language: the language folders the content folder holds under
// data\, in the order of their names (the file layer's order on every disk), walked round by
// presses. Each shows by the name its own speakers give it, so an adult finds their language
// whatever language the screen speaks now.
#pragma once

#include "common/files/FileSystem.h"

#include <string>
#include <vector>

class LanguageChooser {
public:
    // Lists the folders under data\; names that could not stand on one line of the settings
    // file are left out.
    void fill(const FileSystem& files);

    // The folder after `current`, wrapping to the first; the first for a folder not among them;
    // `current` itself when the content folder holds none.
    std::u16string next(const std::u16string& current) const;

    // The language as its own speakers name it ("Swedish" gives "Svenska"); the folder's name
    // for a language this program does not know.
    static std::u16string shownName(const std::u16string& folder);

    const std::vector<std::u16string>& folders() const { return folders_; }

private:
    std::vector<std::u16string> folders_;
};

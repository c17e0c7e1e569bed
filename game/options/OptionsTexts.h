// SPDX-License-Identifier: GPL-3.0-or-later
// The 23 help lines of the options screen, one per control, read from the language's
// data\<language>\Options\options.txt in file order. Lines the file lacks stay empty, so a
// missing file gives empty help lines and never an error.
#pragma once

#include "common/files/FileSystem.h"

#include <array>
#include <string>
#include <string_view>

class OptionsTexts {
public:
    static constexpr int kCount = 23;

    // Replaces the lines by those of the language's file. A file that fails part-way keeps the
    // lines read before the failure.
    void read(const FileSystem& files, std::u16string_view language);
    // Line k, counted from 1 as in the file; the empty text for any other number (0 means that no
    // control is under the pointer).
    const std::u16string& line(int k) const;

private:
    std::array<std::u16string, kCount> lines_;
    std::u16string none_;
};

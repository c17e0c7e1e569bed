// SPDX-License-Identifier: GPL-3.0-or-later
// A program's fixed texts in the content's language: built-in English texts, each replaced by the
// line at its place in a per-language text file where that line is there and not empty. Texts
// name what they insert by %1, %2 ... so that a translation may put it anywhere.
#pragma once

#include "common/files/FileSystem.h"

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The texts of `english`, line n of the file at `path` replacing text n. A missing file, a
// missing or empty line, and a line that leaves out a %n of its English text (the message would
// lose the name it must show) give the English text; such a line is said on standard error.
// A file that fails part-way keeps the lines read before the failure.
std::vector<std::u16string> readLanguageTexts(const FileSystem& files, std::u16string_view path,
                                              std::span<const std::u16string_view> english);

// `text` with %1 replaced by the first of `values`, %2 by the second and so on, in one pass, so
// a value that itself holds "%2" stays as it is. A % not followed by the number of a value stays.
std::u16string fillIn(std::u16string_view text, std::initializer_list<std::u16string_view> values);

// True when no text of `texts` is empty: a table of built-in texts must have one for each entry.
constexpr bool noneEmpty(std::span<const std::u16string_view> texts) {
    for (std::u16string_view text : texts) {
        if (text.empty()) {
            return false;
        }
    }
    return true;
}

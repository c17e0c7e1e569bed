// SPDX-License-Identifier: GPL-3.0-or-later
// The content-list format as the editor reads and writes it: six lines per exercise (name,
// image, sound, speech, text, colour as a signed decimal number), written in UTF-8 with its
// byte-order mark and CR LF after every line, read in any encoding the game reads.
#pragma once

#include "common/content/Exercise.h"
#include "common/files/FileSystem.h"

#include <cstddef>
#include <string_view>
#include <vector>

class ListFile {
public:
    // The exercises of the list at `path`, in file order, up to the end or the first empty name
    // line. Empty when the file cannot be opened; a read error part-way keeps the exercises
    // read before it.
    static std::vector<Exercise> read(const FileSystem& files, std::u16string_view path);
    // The same, with the number of lines after the empty name line that ends the list, up to the
    // last line that is not empty: lines the game never shows and a write leaves out.
    static std::vector<Exercise> read(const FileSystem& files, std::u16string_view path,
                                      std::size_t& linesAfterEnd);

    // Replaces the file at `path` with `exercises`. False, with the system's `error`, when it
    // cannot be written; the file on disk is then exactly as it was before.
    static bool write(FileSystem& files, std::u16string_view path,
                      const std::vector<Exercise>& exercises, std::uint32_t& error);
};

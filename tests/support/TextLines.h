// SPDX-License-Identifier: GPL-3.0-or-later
// Reads every line of a text file with the project's reader, for tests that compare contents.
#pragma once

#include "common/textfile/TextFile.h"

#include <string>
#include <vector>

inline std::vector<std::u16string> readAllLines(const FileSystem& files, std::u16string_view path) {
    TextFile file;
    file.openForReading(files, path);
    std::vector<std::u16string> lines;
    std::u16string line;
    while (file.readLine(line)) {
        lines.push_back(line);
    }
    return lines;
}

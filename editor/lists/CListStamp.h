// SPDX-License-Identifier: GPL-3.0-or-later
// Notices that a list file was changed on disk (by another editor, or by hand) since the editor
// last read or wrote it: a stamp of the file's modification time and size, taken then and
// compared before the editor writes over the file.
#pragma once

#include "common/files/FileSystem.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

class CListStamp {
public:
    explicit CListStamp(const FileSystem& files) : files_(files) {}

    // Takes the stamp of the file at `path` as it is now, just before reading it or just after
    // writing it.
    void take(std::u16string_view path);
    // Forgets the stamp: the editor holds no list of that file any more.
    void forget();
    // True when a stamp of this file was taken and the file now differs from it. A file gone
    // since is no change that could be lost: writing it again loses nothing.
    bool changedOnDisk(std::u16string_view path) const;

private:
    struct Stamp {
        std::filesystem::file_time_type modified;
        std::uintmax_t size;
        bool operator==(const Stamp&) const = default;
    };
    std::optional<Stamp> stampOf(std::u16string_view path) const;

    const FileSystem& files_;
    std::u16string path_;
    bool taken_ = false;
    std::optional<Stamp> stamp_; // nothing: there was no file
};

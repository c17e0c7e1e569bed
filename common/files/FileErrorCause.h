// SPDX-License-Identifier: GPL-3.0-or-later
// Why a file could not be written, copied or removed, from the system's error: the few causes an
// adult can do something about, which each program then tells in its own words.
#pragma once

#include <cstdint>

enum class FileErrorCause {
    DiskFull,     // no space, or over the quota or the largest file size
    ReadOnly,     // a read-only disk
    NoPermission, // access denied
    NotFound,     // the file, or its folder, is not there
    NotAFolder,   // a part of the path that should be a folder is a file
    IsAFolder,    // a folder has the file's name
    AlreadyThere, // a file of that name exists
    InvalidPath,  // a path the system cannot take: too long, a loop of links, a bad argument
    InUse,        // another program is using it
    Locked,       // a lock stands in the way
    Other,
};

FileErrorCause fileErrorCauseOf(std::uint32_t error);

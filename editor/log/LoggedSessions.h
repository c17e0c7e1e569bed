// SPDX-License-Identifier: GPL-3.0-or-later
// The session log of a content folder read for its summary: each day's file on its own, a piece
// at a time, its rows counted as they come, and the files that could not be read whole named so
// the therapist knows what the figures leave out.
#pragma once

#include "common/files/FileSystem.h"
#include "editor/log/SessionTally.h"

#include <cstddef>
#include <string>
#include <vector>

// A log file left out of the figures or counted only in part.
struct UnreadLogFile {
    enum class Why {
        Unreadable, // it could not be opened or its first bytes could not be read
        TooLarge,   // larger than any day's log, so not read at all
        Cut,        // it ends in the middle of a row or its reading failed part-way
    };
    std::u16string name; // the file's name in the log folder
    Why why = Why::Unreadable;

    bool operator==(const UnreadLogFile&) const = default;
};

struct LoggedSessions {
    SessionTally tally;
    std::vector<UnreadLogFile> unread;
};

// Every log file of `files` (log\*.csv), oldest day first.
LoggedSessions readLoggedSessions(const FileSystem& files);

// A log file holds a day of a child's play, far below this.
inline constexpr std::size_t kLargestLogFile = 64u << 20;

// SPDX-License-Identifier: GPL-3.0-or-later
// What a therapist reads from the game's session log: per day and activity, how many times it
// was played and for how long, the child's presses, the answers in find images, and how quickly
// the child pressed after a new picture came. Works on the log's text, so it needs no widgets.
#pragma once

#include "common/content/GameScreen.h"
#include "common/files/FileSystem.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct ActivitySummary {
    std::string day;                        // YYYY-MM-DD
    GameScreen activity = GameScreen::Menu; // one of the menu's activities
    int sessions = 0;
    long long milliseconds = 0; // time played, from each start to its end
    int presses = 0;
    int correct = 0;
    int wrong = 0;
    // The median time from a picture shown to the child's next press; none without such a pair.
    std::optional<long long> medianResponseMilliseconds;

    bool operator==(const ActivitySummary&) const = default;
};

// The activities' figures from the rows of `csv` (one or more log files, one after the other),
// ordered by day and then by the activity's place in the menu. The menu and the options screen
// are left out, and so are rows that cannot be read. A session without an end row (the game did
// not end cleanly) counts until its last row.
std::vector<ActivitySummary> summariseSessionLog(std::string_view csv);

// Every log file of the content folder (log\*.csv), oldest day first, one after the other.
std::string readSessionLogs(const FileSystem& files);

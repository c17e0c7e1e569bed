// SPDX-License-Identifier: GPL-3.0-or-later
// What a therapist reads from the game's session log: per day, week or month and activity, how
// many times it was played and for how long, the child's presses, the answers in find images,
// how quickly the child pressed after a new picture came and after the scan frame reached the
// right choice, how often the frame passed it by, and the settings the activity was played with.
// Works on counted figures, so it needs no widgets.
#pragma once

#include "common/content/GameScreen.h"
#include "editor/log/LogPeriod.h"
#include "editor/log/SessionTally.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct ActivitySummary {
    std::string period;                     // logPeriodOf's key: a day, a week or a month
    GameScreen activity = GameScreen::Menu; // one of the menu's activities
    int sessions = 0;
    long long milliseconds = 0; // time played, from each start to its end
    int presses = 0;
    int correct = 0;
    int wrong = 0;
    // The median time from a picture shown to the child's next press; none without such a pair.
    std::optional<long long> medianResponseMilliseconds;
    int steps = 0;
    int framed = 0;
    int missed = 0;
    // The median time from the right choice framed to a press while it was framed.
    std::optional<long long> medianFramedToPressMilliseconds;

    // The share of the answers that were right, 0 to 1; none without answers.
    std::optional<double> shareRight() const;
    // Chances the scan frame gave that passed without a press, per task shown; none without
    // scanning or tasks.
    std::optional<double> missedPerTask() const;

    bool operator==(const ActivitySummary&) const = default;
};

// The activities' figures per period, ordered by period and then by the activity's place in the
// menu. A session counts in the period it began in; medians are those of all the period's times.
std::vector<ActivitySummary> summariseSessions(const SessionTally& tally, LogPeriod period);

// The settings each activity played in the period `key` was last played with in it, in the
// menu's order; activities without a settings row are left out.
std::vector<std::pair<GameScreen, std::string>>
settingsInForce(const SessionTally& tally, LogPeriod period, std::string_view key);
// The changes of settings made in the period `key`, oldest first.
std::vector<SettingsChange> settingsChanges(const SessionTally& tally, LogPeriod period,
                                            std::string_view key);

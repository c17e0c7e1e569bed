// SPDX-License-Identifier: GPL-3.0-or-later
// Counts the session log's rows as they are read, one at a time, into figures per day and
// activity, and keeps the settings each activity was played with and when they changed; what it
// holds grows with the days and the child's presses, not with the size of the files.
#pragma once

#include "common/content/GameScreen.h"
#include "common/content/SessionLogFormat.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// What one activity came to on one day.
struct DayFigures {
    int sessions = 0;
    long long milliseconds = 0; // from each start to its end
    int presses = 0;
    int correct = 0;
    int wrong = 0;
    int steps = 0;  // new pictures or tasks shown
    int framed = 0; // times the scan frame reached the right choice
    int missed = 0; // times it left the right choice without a press
    // Milliseconds from a new picture to the next press, and from the right choice framed to a
    // press while it was framed: kept one by one, since a period's median needs them all.
    std::vector<std::int32_t> responses;
    std::vector<std::int32_t> framedToPress;
    std::string settings; // the day's last settings row, as the game wrote it
};

// A settings row of an activity that differs from the one before it.
struct SettingsChange {
    std::string day;
    GameScreen activity = GameScreen::Menu;
    std::string before;
    std::string after;

    bool operator==(const SettingsChange&) const = default;
};

class SessionTally {
public:
    // A day and an activity played on it.
    using Key = std::pair<std::string, GameScreen>;

    void add(const LogRow& row);
    // The log has ended: a session without an end row (the game did not end cleanly) counts
    // until its last row.
    void finish();

    const std::map<Key, DayFigures>& days() const { return days_; }
    const std::vector<SettingsChange>& changes() const { return changes_; }

    // A settings text longer than any the game writes is kept only to this length, and no more
    // than this many changes are kept, so a log that is no log cannot fill the memory.
    static constexpr std::size_t kLongestSettings = 1024;
    static constexpr std::size_t kMostChanges = 10'000;

private:
    // The screen being played: when it started and last did something, the moment of the
    // picture still waiting for a press and of the right choice still framed.
    struct Session {
        Key key;
        long long start = 0;
        long long last = 0;
        std::optional<long long> stepShown;
        std::optional<long long> framedAt;
    };

    void close();
    void count(const LogRow& row, DayFigures& figures);
    void noteSettings(const LogRow& row, DayFigures& figures);

    std::map<Key, DayFigures> days_;
    std::optional<Session> open_;
    std::map<GameScreen, std::string> lastSettings_;
    std::vector<SettingsChange> changes_;
};

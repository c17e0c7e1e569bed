// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/log/SessionTally.h"

#include <algorithm>
#include <limits>

namespace {

// The activity a row's screen names; none for the menu, the options and a name no screen has.
std::optional<GameScreen> activityLoggedAs(std::string_view name) {
    const std::optional<GameScreen> screen = screenLoggedAs(name);
    return screen && rowOf(*screen).menuPlace > 0 ? screen : std::nullopt;
}

// The time since `since`, taken from `since` so that it is counted once.
std::int32_t takeTime(std::optional<long long>& since, long long moment) {
    const long long elapsed = moment - *std::exchange(since, std::nullopt);
    return static_cast<std::int32_t>(
        std::clamp<long long>(elapsed, 0, std::numeric_limits<std::int32_t>::max()));
}

} // namespace

void SessionTally::add(const LogRow& row) {
    const std::optional<GameScreen> activity = activityLoggedAs(row.screen);
    if (row.event == LogEvent::Start || !open_ || open_->key.second != activity) {
        close();
        if (!activity) {
            return; // the menu or the options: no activity being played
        }
        open_ = Session{{row.day, *activity}, row.moment, row.moment, {}, {}};
        days_[open_->key].sessions += row.event == LogEvent::Start ? 1 : 0;
    }
    open_->last = std::max(open_->last, row.moment);
    count(row, days_[open_->key]);
    if (row.event == LogEvent::End) {
        close();
    }
}

void SessionTally::finish() {
    close();
}

void SessionTally::close() {
    if (open_) {
        days_[open_->key].milliseconds += open_->last - open_->start;
        open_.reset();
    }
}

void SessionTally::count(const LogRow& row, DayFigures& figures) {
    switch (row.event) {
    case LogEvent::Press:
        ++figures.presses;
        if (open_->stepShown) {
            figures.responses.push_back(takeTime(open_->stepShown, row.moment));
        }
        if (open_->framedAt) {
            figures.framedToPress.push_back(takeTime(open_->framedAt, row.moment));
        }
        break;
    case LogEvent::Correct:
        ++figures.correct;
        break;
    case LogEvent::Wrong:
        ++figures.wrong;
        break;
    case LogEvent::Step:
        ++figures.steps;
        open_->stepShown = row.moment;
        break;
    case LogEvent::Framed:
        ++figures.framed;
        open_->framedAt = row.moment;
        break;
    case LogEvent::Missed:
        ++figures.missed;
        open_->framedAt.reset();
        break;
    case LogEvent::Settings:
        noteSettings(row, figures);
        break;
    default:
        break;
    }
}

void SessionTally::noteSettings(const LogRow& row, DayFigures& figures) {
    const GameScreen activity = open_->key.second;
    std::string settings = row.detail.substr(0, kLongestSettings);
    const auto last = lastSettings_.find(activity);
    if (last != lastSettings_.end() && last->second != settings && changes_.size() < kMostChanges) {
        changes_.push_back({row.day, activity, last->second, settings});
    }
    figures.settings = settings;
    lastSettings_[activity] = std::move(settings);
}

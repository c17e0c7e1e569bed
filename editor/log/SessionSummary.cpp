// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/log/SessionSummary.h"

#include <algorithm>
#include <map>
#include <utility>

namespace {

std::optional<long long> median(std::vector<std::int32_t>& values) {
    if (values.empty()) {
        return std::nullopt;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1
               ? values[middle]
               : (static_cast<long long>(values[middle - 1]) + values[middle]) / 2;
}

// A period's summary being added up from its days, with the times of all its days.
struct Sum {
    ActivitySummary summary;
    std::vector<std::int32_t> responses;
    std::vector<std::int32_t> framedToPress;
};

void addDay(Sum& sum, const DayFigures& day) {
    ActivitySummary& s = sum.summary;
    s.sessions += day.sessions;
    s.milliseconds += day.milliseconds;
    s.presses += day.presses;
    s.correct += day.correct;
    s.wrong += day.wrong;
    s.steps += day.steps;
    s.framed += day.framed;
    s.missed += day.missed;
    sum.responses.insert(sum.responses.end(), day.responses.begin(), day.responses.end());
    sum.framedToPress.insert(sum.framedToPress.end(), day.framedToPress.begin(),
                             day.framedToPress.end());
}

} // namespace

std::optional<double> ActivitySummary::shareRight() const {
    const int answers = correct + wrong;
    return answers > 0 ? std::optional(static_cast<double>(correct) / answers) : std::nullopt;
}

std::optional<double> ActivitySummary::missedPerTask() const {
    const bool scanned = framed > 0 || missed > 0;
    return scanned && steps > 0 ? std::optional(static_cast<double>(missed) / steps) : std::nullopt;
}

std::vector<ActivitySummary> summariseSessions(const SessionTally& tally, LogPeriod period) {
    std::map<std::pair<std::string, GameScreen>, Sum> sums;
    for (const auto& [key, day] : tally.days()) {
        const std::string periodKey = logPeriodOf(key.first, period);
        Sum& sum = sums[{periodKey, key.second}];
        sum.summary.period = periodKey;
        sum.summary.activity = key.second;
        addDay(sum, day);
    }
    std::vector<ActivitySummary> summaries;
    summaries.reserve(sums.size());
    for (auto& [key, sum] : sums) {
        sum.summary.medianResponseMilliseconds = median(sum.responses);
        sum.summary.medianFramedToPressMilliseconds = median(sum.framedToPress);
        summaries.push_back(std::move(sum.summary));
    }
    return summaries;
}

std::vector<std::pair<GameScreen, std::string>>
settingsInForce(const SessionTally& tally, LogPeriod period, std::string_view key) {
    std::map<GameScreen, std::string> last;
    // The days come in time order, so the last one of the period is kept.
    for (const auto& [day, figures] : tally.days()) {
        if (!figures.settings.empty() && logPeriodOf(day.first, period) == key) {
            last[day.second] = figures.settings;
        }
    }
    return {last.begin(), last.end()};
}

std::vector<SettingsChange> settingsChanges(const SessionTally& tally, LogPeriod period,
                                            std::string_view key) {
    std::vector<SettingsChange> changes;
    for (const SettingsChange& change : tally.changes()) {
        if (logPeriodOf(change.day, period) == key) {
            changes.push_back(change);
        }
    }
    return changes;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionSummary.h"

#include "common/content/SessionLogFormat.h"
#include "common/files/WholeFile.h"

#include <algorithm>
#include <map>
#include <utility>

namespace {

// A log file holds a day of a child's play, far below this.
constexpr std::size_t kLargestLogFile = 64u << 20;

// The activity a row's screen names; none for the menu, the options and a name no screen has.
std::optional<GameScreen> activityLoggedAs(std::string_view name) {
    const std::optional<GameScreen> screen = screenLoggedAs(name);
    return screen && rowOf(*screen).menuPlace > 0 ? screen : std::nullopt;
}

// A day and an activity played on it.
using Key = std::pair<std::string, GameScreen>;

long long median(std::vector<long long> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The screen being played: its figures, when it started and last did something, and the
// moment of the picture still waiting for a press.
struct Session {
    Key key;
    long long start = 0;
    long long last = 0;
    std::optional<long long> stepShown;
};

// Counts a row's event in the figures of the session it belongs to.
void count(LogEvent what, long long moment, Session& open, ActivitySummary& summary,
           std::map<Key, std::vector<long long>>& responses) {
    switch (what) {
    case LogEvent::Press:
        ++summary.presses;
        if (open.stepShown) {
            responses[open.key].push_back(moment - *std::exchange(open.stepShown, {}));
        }
        break;
    case LogEvent::Correct:
        ++summary.correct;
        break;
    case LogEvent::Wrong:
        ++summary.wrong;
        break;
    case LogEvent::Step:
        open.stepShown = moment;
        break;
    default:
        break;
    }
}

} // namespace

std::vector<ActivitySummary> summariseSessionLog(std::string_view csv) {
    std::map<Key, ActivitySummary> figures;
    std::map<Key, std::vector<long long>> responses;
    std::optional<Session> open;
    auto close = [&] {
        if (open) {
            figures[open->key].milliseconds += open->last - open->start;
            open.reset();
        }
    };
    for (const std::vector<std::string>& record : readCsv(csv)) {
        const std::optional<LogRow> row = readLogRow(record);
        if (!row) {
            continue; // the header, or a row spoilt by hand
        }
        const std::optional<GameScreen> activity = activityLoggedAs(row->screen);
        const LogEvent what = row->event;
        const long long moment = row->moment;
        if (what == LogEvent::Start || !open || open->key.second != activity) {
            close();
            if (!activity) {
                continue; // the menu or the options: no activity being played
            }
            open = Session{{row->day, *activity}, moment, moment, std::nullopt};
            ActivitySummary& summary = figures[open->key];
            summary.day = row->day;
            summary.activity = *activity;
            summary.sessions += what == LogEvent::Start ? 1 : 0;
        }
        open->last = std::max(open->last, moment);
        count(what, moment, *open, figures[open->key], responses);
        if (what == LogEvent::End) {
            close();
        }
    }
    close();
    std::vector<ActivitySummary> summaries;
    for (auto& [key, summary] : figures) {
        if (const auto found = responses.find(key); found != responses.end()) {
            summary.medianResponseMilliseconds = median(found->second);
        }
        summaries.push_back(std::move(summary));
    }
    return summaries;
}

std::string readSessionLogs(const FileSystem& files) {
    std::string text;
    const std::u16string folder = std::u16string(kLogFolder) + u"\\";
    // Named by their dates, the files list oldest first.
    for (const std::u16string& name : files.list(folder + u"*.csv", FolderEntries::Skip)) {
        const std::unique_ptr<InputStream> input = files.openForReading(folder + name);
        std::vector<unsigned char> bytes;
        std::uint32_t error = 0;
        if (input && readWholeFile(*input, kLargestLogFile, bytes, error)) {
            text.append(bytes.begin(), bytes.end());
            if (!text.empty() && text.back() != '\n') {
                text += '\n';
            }
        }
    }
    return text;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionSummary.h"

#include "common/content/SessionLogFormat.h"
#include "common/files/WholeFile.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <utility>

namespace {

// A log file holds a day of a child's play, far below this.
constexpr std::size_t kLargestLogFile = 64u << 20;

std::optional<int> number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

// Days since 1970-01-01 of a date in the proleptic Gregorian calendar.
long long daysFromCivil(int year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097LL + dayOfEra - 719468;
}

// Milliseconds since 1970 of a time stamp YYYY-MM-DDTHH:MM:SS.mmm; none when it is not one.
std::optional<long long> momentOf(std::string_view stamp) {
    if (stamp.size() != 23 || stamp[4] != '-' || stamp[7] != '-' || stamp[10] != 'T' ||
        stamp[13] != ':' || stamp[16] != ':' || stamp[19] != '.') {
        return std::nullopt;
    }
    const auto year = number(stamp.substr(0, 4));
    const auto month = number(stamp.substr(5, 2));
    const auto day = number(stamp.substr(8, 2));
    const auto hour = number(stamp.substr(11, 2));
    const auto minute = number(stamp.substr(14, 2));
    const auto second = number(stamp.substr(17, 2));
    const auto milli = number(stamp.substr(20, 3));
    if (!year || !month || !day || !hour || !minute || !second || !milli || *month < 1 ||
        *month > 12 || *day < 1 || *day > 31 || *hour > 23 || *minute > 59 || *second > 60) {
        return std::nullopt;
    }
    return ((daysFromCivil(*year, *month, *day) * 24 + *hour) * 60 + *minute) * 60'000LL +
           *second * 1000LL + *milli;
}

int activityOf(std::string_view screen) {
    for (int k = 1; k <= 6; ++k) {
        if (kLogScreenNames[static_cast<std::size_t>(k)] == screen) {
            return k;
        }
    }
    return 0;
}

long long median(std::vector<long long> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The screen being played: its figures, when it started and last did something, and the
// moment of the picture still waiting for a press.
struct Session {
    std::pair<std::string, int> key;
    long long start = 0;
    long long last = 0;
    std::optional<long long> stepShown;
};

} // namespace

std::vector<ActivitySummary> summariseSessionLog(std::string_view csv) {
    std::map<std::pair<std::string, int>, ActivitySummary> figures;
    std::map<std::pair<std::string, int>, std::vector<long long>> responses;
    std::optional<Session> open;
    auto close = [&] {
        if (open) {
            figures[open->key].milliseconds += open->last - open->start;
            open.reset();
        }
    };
    for (const std::vector<std::string>& row : readCsv(csv)) {
        const std::optional<long long> moment = row.size() >= 4 ? momentOf(row[0]) : std::nullopt;
        const auto event = std::find(kLogEventNames.begin(), kLogEventNames.end(),
                                     row.size() >= 4 ? row[3] : std::string());
        if (!moment || event == kLogEventNames.end()) {
            continue; // the header, or a row spoilt by hand
        }
        const int activity = activityOf(row[1]);
        const std::pair<std::string, int> key{row[0].substr(0, 10), activity};
        const auto what = static_cast<LogEvent>(event - kLogEventNames.begin());
        if (what == LogEvent::Start || !open || open->key.second != activity) {
            close();
            if (activity == 0) {
                continue; // the menu or the options: no activity being played
            }
            open = Session{key, *moment, *moment, std::nullopt};
            ActivitySummary& summary = figures[key];
            summary.day = key.first;
            summary.activity = activity;
            summary.sessions += what == LogEvent::Start ? 1 : 0;
        }
        open->last = std::max(open->last, *moment);
        ActivitySummary& summary = figures[open->key];
        switch (what) {
        case LogEvent::Press:
            ++summary.presses;
            if (open->stepShown) {
                responses[open->key].push_back(*moment - *std::exchange(open->stepShown, {}));
            }
            break;
        case LogEvent::Correct:
            ++summary.correct;
            break;
        case LogEvent::Wrong:
            ++summary.wrong;
            break;
        case LogEvent::Step:
            open->stepShown = *moment;
            break;
        case LogEvent::End:
            close();
            break;
        default:
            break;
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionLogFormat.h"

#include "LogRecordStream.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace {

// The day's part of a time stamp, which is also the day's file name.
constexpr std::size_t kDayLength = 10;

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

// The first character of a text a spreadsheet takes for a formula.
bool startsFormula(std::string_view text) {
    const std::size_t first = text.find_first_not_of('\'');
    return first != std::string_view::npos &&
           std::string_view("=+-@\t\r").find(text[first]) != std::string_view::npos;
}

} // namespace

std::string_view logInputName(LogInput input) {
    return kLogInputNames[static_cast<std::size_t>(input)];
}

std::string logKeyInput(std::string_view keyName) {
    return "key:" + std::string(keyName);
}

std::string logDayOf(const LocalTime& t) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.year % 10000, t.month % 100, t.day % 100);
    return text;
}

std::string logTimeStampOf(const LocalTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "T%02d:%02d:%02d.%03d", t.hour % 100, t.minute % 100,
                  t.second % 100, t.millisecond % 1000);
    return logDayOf(t) + text;
}

std::optional<long long> logMomentOf(std::string_view stamp) {
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

std::string logRowOf(const LocalTime& time, std::string_view screen, std::string_view input,
                     LogEvent event, std::string_view detail, std::string_view right) {
    std::string text = logTimeStampOf(time);
    for (const std::string_view field :
         {screen, input, kLogEventNames[static_cast<std::size_t>(event)], detail, right}) {
        text += ',';
        text += csvField(field);
    }
    text += "\r\n";
    return text;
}

std::optional<LogRow> readLogRow(const std::vector<std::string>& record) {
    if (record.size() < 4) {
        return std::nullopt;
    }
    const std::optional<long long> moment = logMomentOf(record[0]);
    const auto event = std::find(kLogEventNames.begin(), kLogEventNames.end(), record[3]);
    if (!moment || event == kLogEventNames.end()) {
        return std::nullopt;
    }
    return LogRow{record[0].substr(0, kDayLength),
                  *moment,
                  record[1],
                  static_cast<LogEvent>(event - kLogEventNames.begin()),
                  record[2],
                  record.size() > 4 ? withoutFormulaGuard(record[4]) : std::string(),
                  record.size() > 5 ? withoutFormulaGuard(record[5]) : std::string()};
}

std::string withoutFormulaGuard(std::string_view field) {
    if (!field.empty() && field.front() == '\'' && startsFormula(field.substr(1))) {
        field.remove_prefix(1);
    }
    return std::string(field);
}

std::string csvField(std::string_view text) {
    const std::string guarded = startsFormula(text) ? "'" + std::string(text) : std::string(text);
    if (guarded.find_first_of(",\"\r\n") == std::string::npos) {
        return guarded;
    }
    std::string quoted = "\"";
    for (const char c : guarded) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    quoted += '"';
    return quoted;
}

std::vector<std::vector<std::string>> readCsv(std::string_view text) {
    std::vector<std::vector<std::string>> records;
    LogRecordStream stream(
        [&records](const LogRecordStream::Record& record) { records.push_back(record); });
    stream.feed(text);
    stream.finish();
    return records;
}

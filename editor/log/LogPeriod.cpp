// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/log/LogPeriod.h"

#include "common/content/SessionLogFormat.h"

#include <cstdio>
#include <optional>

namespace {

constexpr long long kDay = 86'400'000;

// Days since 1970-01-01 of YYYY-MM-DD.
std::optional<long long> daysOf(std::string_view day) {
    const std::optional<long long> moment = logMomentOf(std::string(day) + "T00:00:00.000");
    if (!moment) {
        return std::nullopt;
    }
    return *moment >= 0 ? *moment / kDay : (*moment - kDay + 1) / kDay;
}

long long newYearOf(int year) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-01-01", year);
    return daysOf(text).value_or(0);
}

std::string isoWeekOf(std::string_view day, long long days) {
    const int year = std::stoi(std::string(day.substr(0, 4)));
    const long long fromMonday = ((days + 3) % 7 + 7) % 7; // 1970-01-01 was a Thursday
    const long long thursday = days - fromMonday + 3;
    // A week belongs to the year its Thursday is in: the days around New Year may be in the
    // other year's week.
    const int weekYear = thursday >= newYearOf(year + 1) ? year + 1
                         : thursday < newYearOf(year)    ? year - 1
                                                         : year;
    const long long week = (thursday - newYearOf(weekYear)) / 7 + 1;
    char text[48];
    std::snprintf(text, sizeof text, "%04d-W%02lld", weekYear, week);
    return text;
}

} // namespace

std::string logPeriodOf(std::string_view day, LogPeriod period) {
    const std::optional<long long> days = day.size() == 10 ? daysOf(day) : std::nullopt;
    if (!days) {
        return {};
    }
    switch (period) {
    case LogPeriod::Week:
        return isoWeekOf(day, *days);
    case LogPeriod::Month:
        return std::string(day.substr(0, 7));
    case LogPeriod::Day:
        break;
    }
    return std::string(day);
}

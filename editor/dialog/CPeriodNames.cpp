// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CPeriodNames.h"

#include "common/content/Language.h"
#include "editor/dialog/QtText.h"

namespace {

QDate dateOf(std::string_view key) {
    return QDate::fromString(QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())),
                             QStringLiteral("yyyy-MM-dd"));
}

QString latin(std::string_view key) {
    return QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()));
}

} // namespace

CPeriodNames::CPeriodNames(const EditorTexts& texts, QLocale locale)
    : texts_(texts), locale_(std::move(locale)) {}

QLocale CPeriodNames::localeOf(std::u16string_view language) {
    const std::vector<std::string> names = localeNamesFor(language);
    if (names.empty()) {
        return QLocale(QLocale::English);
    }
    const std::string& name = names.front();
    return QLocale(QString::fromStdString(name.substr(0, name.find('.'))));
}

QDate CPeriodNames::mondayOf(std::string_view week) {
    bool yearRead = false;
    bool weekRead = false;
    const int year = latin(week.substr(0, 4)).toInt(&yearRead);
    const int number =
        week.size() == 8 && week[5] == 'W' ? latin(week.substr(6)).toInt(&weekRead) : 0;
    if (!yearRead || !weekRead) {
        return {};
    }
    // 4 January is always in the year's first week.
    const QDate fourth(year, 1, 4);
    return fourth.addDays(1 - fourth.dayOfWeek() + 7 * (number - 1));
}

QString CPeriodNames::name(LogPeriod period, std::string_view key) const {
    switch (period) {
    case LogPeriod::Week: {
        const QDate monday = mondayOf(key);
        if (!monday.isValid()) {
            break;
        }
        return toQString(fillIn(texts_[EditorTexts::LogWeekName],
                                {fromQString(QString::number(latin(key.substr(6)).toInt())),
                                 fromQString(latin(key.substr(0, 4)))}));
    }
    case LogPeriod::Month: {
        const QDate first = dateOf(std::string(key) + "-01");
        if (first.isValid()) {
            return locale_.toString(first, QStringLiteral("MMMM yyyy"));
        }
        break;
    }
    case LogPeriod::Day: {
        const QDate date = dateOf(key);
        if (date.isValid()) {
            return locale_.toString(date, QStringLiteral("d MMM yyyy"));
        }
        break;
    }
    }
    return latin(key);
}

QString CPeriodNames::span(LogPeriod period, std::string_view key) const {
    if (period == LogPeriod::Day) {
        const QDate date = dateOf(key);
        return date.isValid() ? locale_.toString(date, QLocale::LongFormat) : latin(key);
    }
    const QDate monday = period == LogPeriod::Week ? mondayOf(key) : QDate();
    if (!monday.isValid()) {
        return name(period, key);
    }
    const QString days = toQString(
        fillIn(texts_[EditorTexts::LogDateRange],
               {fromQString(locale_.toString(monday, QStringLiteral("d MMMM yyyy"))),
                fromQString(locale_.toString(monday.addDays(6), QStringLiteral("d MMMM yyyy")))}));
    return name(period, key) + QStringLiteral(" (") + days + QLatin1Char(')');
}

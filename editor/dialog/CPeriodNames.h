// SPDX-License-Identifier: GPL-3.0-or-later
// The names the session log's days, weeks and months are shown under, in the language of the
// content folder: its words for "week" and its way of writing dates and month names, so that a
// Swedish report reads Swedish dates.
#pragma once

#include "editor/log/LogPeriod.h"
#include "editor/texts/EditorTexts.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <string_view>

class CPeriodNames {
public:
    // `texts` must outlive this.
    CPeriodNames(const EditorTexts& texts, QLocale locale);

    // The locale of a language folder's name (English for one this program knows no locale for).
    static QLocale localeOf(std::u16string_view language);

    // A period as a table row and a chart's axis name it: "14 Mar 2026", "Week 11, 2026",
    // "March 2026".
    QString name(LogPeriod period, std::string_view key) const;
    // A period in full, as a report's heading names it; a week with its first and last day.
    QString span(LogPeriod period, std::string_view key) const;
    // A day (YYYY-MM-DD) as a table names it.
    QString day(std::string_view day) const { return name(LogPeriod::Day, day); }

    const QLocale& locale() const { return locale_; }

private:
    // The Monday of an ISO week's key ("2026-W11"); an invalid date for another text.
    static QDate mondayOf(std::string_view week);

    const EditorTexts& texts_;
    QLocale locale_;
};

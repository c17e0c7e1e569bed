// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of the session log's summary as the table, the chart and the report all show
// them: each one's title, its value for an activity in a period, and that value written in the
// language's way, so that the three cannot disagree.
#pragma once

#include "editor/log/SessionSummary.h"
#include "editor/texts/EditorTexts.h"

#include <QLocale>
#include <QString>
#include <optional>
#include <span>

struct CSummaryFigure {
    // Which activities a figure is about: all, those that give answers (find images), or those
    // played with automatic scanning.
    enum class Shown { Always, Answers, Scanning };

    EditorTexts::Text title;
    Shown shown;
    std::optional<double> (*value)(const ActivitySummary& summary);
    int decimals;
    bool percent; // a share from 0 to 1, written as a percentage

    // The value written for `locale`; empty where the figure has no value or is not about the
    // summary's activity.
    QString text(const ActivitySummary& summary, const QLocale& locale) const;
    // Whether the figure says anything about `summary`'s activity.
    bool about(const ActivitySummary& summary) const;
    // Whether any of `summaries` shows this figure, so that a column of it is worth showing.
    bool shownFor(std::span<const ActivitySummary> summaries) const;

    // Every figure, in the order of the table's columns.
    static std::span<const CSummaryFigure> all();
};

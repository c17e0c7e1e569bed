// SPDX-License-Identifier: GPL-3.0-or-later
// The session log's report of one period as a PDF a therapist can print and file: the child's
// name, the period, the table and the chart of the summary, the settings each activity was
// played with and their changes, and an empty field for the therapist's notes.
#pragma once

#include "editor/dialog/CPeriodNames.h"
#include "editor/dialog/CSummaryFigures.h"
#include "editor/log/SessionTally.h"

#include <QString>
#include <span>
#include <string>

class CSessionReport {
public:
    // What a report is of: the period `key` of the view `period`, whose rows are taken from
    // `summaries` (the view's, all periods, which the chart shows), and the figure the chart
    // shows.
    struct Content {
        QString childName; // empty: no such line
        LogPeriod period = LogPeriod::Day;
        std::string key;
        std::span<const ActivitySummary> summaries;
        const CSummaryFigure* chartFigure = nullptr;
    };

    // `texts`, `names` and `tally` must outlive this.
    CSessionReport(const EditorTexts& texts, const CPeriodNames& names, const SessionTally& tally);

    // Writes the report to the PDF file at `path`; false when it cannot be written.
    bool write(const QString& path, const Content& content) const;
    // The report as the document that is printed, its chart under the name "chart".
    QString html(const Content& content) const;

private:
    QString settingsHtml(const Content& content) const;

    const EditorTexts& texts_;
    const CPeriodNames& names_;
    const SessionTally& tally_;
};

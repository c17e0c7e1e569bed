// SPDX-License-Identifier: GPL-3.0-or-later
// The session log's summary as a table: a row for each period and activity, with the period,
// the activity and its figures; the columns of answers and of scanning only where some activity
// shown has them.
#pragma once

#include "editor/dialog/CPeriodNames.h"
#include "editor/log/SessionSummary.h"

#include <QStringList>
#include <QTableWidget>
#include <span>

class CSummaryTable : public QTableWidget {
public:
    // `texts` and `names` must outlive this.
    CSummaryTable(const EditorTexts& texts, const CPeriodNames& names, QWidget* parent);

    void fill(std::span<const ActivitySummary> summaries, LogPeriod period);

    // The column titles and the rows of cells of `summaries` as the table shows them, without
    // the columns it hides; the report prints these.
    static QStringList titles(std::span<const ActivitySummary> summaries, LogPeriod period,
                              const EditorTexts& texts);
    static std::vector<QStringList> rows(std::span<const ActivitySummary> summaries,
                                         LogPeriod period, const EditorTexts& texts,
                                         const CPeriodNames& names);

private:
    const EditorTexts& texts_;
    const CPeriodNames& names_;
};

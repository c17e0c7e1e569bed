// SPDX-License-Identifier: GPL-3.0-or-later
// The chart of one figure of the session log's summary over its periods, a line for each
// activity, made from the same summaries as the table so the dialog and the report show the
// same values.
#pragma once

#include "editor/dialog/CPeriodNames.h"
#include "editor/dialog/CSummaryFigures.h"

#include <QChart>
#include <span>

class CFigureChart {
public:
    // A new chart, owned by the caller, of `figure` over the periods of `summaries` in their
    // order; a period in which an activity has no such figure has no point on its line.
    static QChart* make(std::span<const ActivitySummary> summaries, LogPeriod period,
                        const CSummaryFigure& figure, const EditorTexts& texts,
                        const CPeriodNames& names);
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CSummaryTable.h"

#include "editor/dialog/CSummaryFigures.h"
#include "editor/dialog/QtText.h"

#include <QHeaderView>

namespace {

// The period's and the activity's columns come before the figures.
constexpr int kWordColumns = 2;

EditorTexts::Text periodTitle(LogPeriod period) {
    switch (period) {
    case LogPeriod::Week:
        return EditorTexts::LogWeek;
    case LogPeriod::Month:
        return EditorTexts::LogMonth;
    case LogPeriod::Day:
        break;
    }
    return EditorTexts::LogDay;
}

QStringList allCells(const ActivitySummary& summary, LogPeriod period, const EditorTexts& texts,
                     const CPeriodNames& names) {
    QStringList cells{names.name(period, summary.period),
                      toQString(texts.activityName(summary.activity))};
    for (const CSummaryFigure& figure : CSummaryFigure::all()) {
        cells << figure.text(summary, names.locale());
    }
    return cells;
}

} // namespace

CSummaryTable::CSummaryTable(const EditorTexts& texts, const CPeriodNames& names, QWidget* parent)
    : QTableWidget(parent), texts_(texts), names_(names) {
    setObjectName(QStringLiteral("summary"));
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setColumnCount(kWordColumns + static_cast<int>(CSummaryFigure::all().size()));
}

void CSummaryTable::fill(std::span<const ActivitySummary> summaries, LogPeriod period) {
    QStringList headers{toQString(texts_[periodTitle(period)]),
                        toQString(texts_[EditorTexts::LogActivity])};
    for (const CSummaryFigure& figure : CSummaryFigure::all()) {
        headers << toQString(texts_[figure.title]);
    }
    setHorizontalHeaderLabels(headers);
    setRowCount(static_cast<int>(summaries.size()));
    for (int row = 0; row < rowCount(); ++row) {
        const QStringList cells =
            allCells(summaries[static_cast<std::size_t>(row)], period, texts_, names_);
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(c < kWordColumns ? Qt::AlignLeft | Qt::AlignVCenter
                                                    : Qt::AlignRight | Qt::AlignVCenter);
            setItem(row, c, item);
        }
    }
    const auto figures = CSummaryFigure::all();
    for (std::size_t f = 0; f < figures.size(); ++f) {
        setColumnHidden(kWordColumns + static_cast<int>(f), !figures[f].shownFor(summaries));
    }
    resizeColumnsToContents();
}

QStringList CSummaryTable::titles(std::span<const ActivitySummary> summaries, LogPeriod period,
                                  const EditorTexts& texts) {
    QStringList titles{toQString(texts[periodTitle(period)]),
                       toQString(texts[EditorTexts::LogActivity])};
    for (const CSummaryFigure& figure : CSummaryFigure::all()) {
        if (figure.shownFor(summaries)) {
            titles << toQString(texts[figure.title]);
        }
    }
    return titles;
}

std::vector<QStringList> CSummaryTable::rows(std::span<const ActivitySummary> summaries,
                                             LogPeriod period, const EditorTexts& texts,
                                             const CPeriodNames& names) {
    std::vector<QStringList> rows;
    const auto figures = CSummaryFigure::all();
    for (const ActivitySummary& summary : summaries) {
        const QStringList all = allCells(summary, period, texts, names);
        QStringList cells = all.mid(0, kWordColumns);
        for (std::size_t f = 0; f < figures.size(); ++f) {
            if (figures[f].shownFor(summaries)) {
                cells << all[kWordColumns + static_cast<int>(f)];
            }
        }
        rows.push_back(cells);
    }
    return rows;
}

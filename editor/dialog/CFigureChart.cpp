// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CFigureChart.h"

#include "editor/dialog/QtText.h"

#include <QBarCategoryAxis>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

QChart* CFigureChart::make(std::span<const ActivitySummary> summaries, LogPeriod period,
                           const CSummaryFigure& figure, const EditorTexts& texts,
                           const CPeriodNames& names) {
    auto* chart = new QChart;
    chart->setTitle(toQString(texts[figure.title]));
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* periods = new QBarCategoryAxis;
    std::vector<std::string> keys;
    std::map<GameScreen, QLineSeries*> lines;
    double highest = 0;
    for (const ActivitySummary& summary : summaries) {
        if (keys.empty() || keys.back() != summary.period) {
            keys.push_back(summary.period);
            periods->append(names.name(period, summary.period));
        }
        const std::optional<double> value =
            figure.about(summary) ? figure.value(summary) : std::nullopt;
        if (!value) {
            continue;
        }
        QLineSeries*& line = lines[summary.activity];
        if (line == nullptr) {
            line = new QLineSeries;
            line->setName(toQString(texts.activityName(summary.activity)));
            line->setPointsVisible(true);
        }
        const double shown = figure.percent ? *value * 100.0 : *value;
        line->append(static_cast<double>(keys.size() - 1), shown);
        highest = std::max(highest, shown);
    }
    auto* values = new QValueAxis;
    values->setRange(0, highest > 0 ? highest * 1.1 : 1.0);
    values->applyNiceNumbers();
    const bool whole = figure.decimals == 0 || figure.percent;
    values->setLabelFormat(whole ? QStringLiteral("%.0f") : QStringLiteral("%.1f"));
    if (whole) {
        // Counts and percentages get whole steps only: no tick of half a session.
        const double step = std::max(1.0, std::ceil(values->max() / 5.0));
        values->setTickType(QValueAxis::TicksDynamic);
        values->setTickAnchor(0);
        values->setTickInterval(step);
    }
    chart->addAxis(periods, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    for (auto& [activity, line] : lines) {
        chart->addSeries(line);
        line->attachAxis(periods);
        line->attachAxis(values);
    }
    return chart;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CSessionReport.h"

#include "editor/dialog/CFigureChart.h"
#include "editor/dialog/CSummaryTable.h"
#include "editor/dialog/QtText.h"

#include <QChartView>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <algorithm>
#include <vector>

namespace {

// The chart as a picture of this size; the page shrinks it to its width.
constexpr int kChartWidth = 1600;
constexpr int kChartHeight = 800;

QString escaped(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

QString paragraph(const QString& html) {
    return QStringLiteral("<p>") + html + QStringLiteral("</p>");
}

QString heading(const std::u16string& text) {
    return QStringLiteral("<h2>") + toQString(text).toHtmlEscaped() + QStringLiteral("</h2>");
}

// name=value pairs of a settings row, in their order.
std::vector<std::pair<std::string, std::string>> pairsOf(const std::string& settings) {
    std::vector<std::pair<std::string, std::string>> pairs;
    std::size_t start = 0;
    while (start <= settings.size()) {
        const std::size_t end = std::min(settings.find(';', start), settings.size());
        const std::string pair = settings.substr(start, end - start);
        const std::size_t equals = pair.find('=');
        if (!pair.empty()) {
            pairs.emplace_back(pair.substr(0, equals),
                               equals == std::string::npos ? "" : pair.substr(equals + 1));
        }
        start = end + 1;
    }
    return pairs;
}

// What a change changed: "name: before → after" for each setting that differs.
QString differences(const SettingsChange& change) {
    const auto before = pairsOf(change.before);
    const auto after = pairsOf(change.after);
    auto valueIn = [](const auto& pairs, const std::string& name) -> std::string {
        const auto found = std::find_if(pairs.begin(), pairs.end(),
                                        [&name](const auto& pair) { return pair.first == name; });
        return found == pairs.end() ? "–" : found->second;
    };
    std::vector<std::string> names;
    for (const auto& pairs : {before, after}) {
        for (const auto& [name, value] : pairs) {
            if (std::find(names.begin(), names.end(), name) == names.end() &&
                valueIn(before, name) != valueIn(after, name)) {
                names.push_back(name);
            }
        }
    }
    QStringList parts;
    for (const std::string& name : names) {
        parts << escaped(name + ": " + valueIn(before, name) + " → " + valueIn(after, name));
    }
    return parts.join(QStringLiteral("; "));
}

QImage chartImage(QChart* chart) {
    QChartView view(chart);
    view.setRenderHint(QPainter::Antialiasing);
    view.resize(kChartWidth, kChartHeight);
    return view.grab().toImage();
}

} // namespace

CSessionReport::CSessionReport(const EditorTexts& texts, const CPeriodNames& names,
                               const SessionTally& tally)
    : texts_(texts), names_(names), tally_(tally) {}

QString CSessionReport::html(const Content& content) const {
    std::vector<ActivitySummary> rows;
    std::copy_if(content.summaries.begin(), content.summaries.end(), std::back_inserter(rows),
                 [&content](const ActivitySummary& s) { return s.period == content.key; });
    QString html = QStringLiteral("<h1>") +
                   toQString(texts_[EditorTexts::ReportTitle]).toHtmlEscaped() +
                   QStringLiteral("</h1>");
    if (!content.childName.isEmpty()) {
        html += paragraph(
            toQString(texts_.with(EditorTexts::ReportChild, fromQString(content.childName)))
                .toHtmlEscaped());
    }
    html += paragraph(toQString(texts_.with(EditorTexts::ReportPeriod,
                                            fromQString(names_.span(content.period, content.key))))
                          .toHtmlEscaped());
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\" "
                           "style=\"font-size: 7pt\"><tr>");
    for (const QString& title : CSummaryTable::titles(rows, content.period, texts_)) {
        html += QStringLiteral("<th>") + title.toHtmlEscaped() + QStringLiteral("</th>");
    }
    html += QStringLiteral("</tr>");
    for (const QStringList& cells : CSummaryTable::rows(rows, content.period, texts_, names_)) {
        html += QStringLiteral("<tr>");
        for (const QString& cell : cells) {
            html += QStringLiteral("<td>") + cell.toHtmlEscaped() + QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table><p><img src=\"chart\" width=\"640\"></p>");
    html += settingsHtml(content);
    html += heading(texts_[EditorTexts::ReportNotes]);
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"8\" "
                           "width=\"100%\"><tr><td>") +
            QStringLiteral("&nbsp;<br>").repeated(14) + QStringLiteral("</td></tr></table>");
    return html;
}

QString CSessionReport::settingsHtml(const Content& content) const {
    QString html = heading(texts_[EditorTexts::ReportSettings]);
    const auto inForce = settingsInForce(tally_, content.period, content.key);
    for (const auto& [activity, settings] : inForce) {
        html += paragraph(QStringLiteral("<b>") +
                          toQString(texts_.activityName(activity)).toHtmlEscaped() +
                          QStringLiteral("</b>: ") +
                          escaped(settings).replace(QLatin1Char(';'), QStringLiteral("; ")));
    }
    if (inForce.empty()) {
        html += paragraph(toQString(texts_[EditorTexts::ReportNoSettings]).toHtmlEscaped());
    }
    html += heading(texts_[EditorTexts::ReportChanges]);
    const auto changes = settingsChanges(tally_, content.period, content.key);
    for (const SettingsChange& change : changes) {
        html += paragraph(names_.day(change.day).toHtmlEscaped() + QStringLiteral(", <b>") +
                          toQString(texts_.activityName(change.activity)).toHtmlEscaped() +
                          QStringLiteral("</b>: ") + differences(change));
    }
    if (changes.empty()) {
        html += paragraph(toQString(texts_[EditorTexts::ReportNoChanges]).toHtmlEscaped());
    }
    return html;
}

bool CSessionReport::write(const QString& path, const Content& content) const {
    // Written beside the target and put in its place once whole, as every file is replaced.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QTextDocument document;
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("chart")),
                         chartImage(CFigureChart::make(content.summaries, content.period,
                                                       *content.chartFigure, texts_, names_)));
    document.setHtml(html(content));
    {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setTitle(toQString(texts_[EditorTexts::ReportTitle]));
        pdf.setCreator(QStringLiteral("vimoedit"));
        document.print(&pdf);
    }
    return file.commit();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CSessionLogDialog.h"

#include "common/content/SessionLogFormat.h"
#include "editor/dialog/CFigureChart.h"
#include "editor/dialog/CSessionReport.h"
#include "editor/dialog/CSummaryFigures.h"
#include "editor/dialog/CSummaryTable.h"
#include "editor/dialog/QtText.h"

#include <QChartView>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QUrl>
#include <QVBoxLayout>
#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<LogPeriod, EditorTexts::Text>, 3> kViews = {{
    {LogPeriod::Day, EditorTexts::LogDays},
    {LogPeriod::Week, EditorTexts::LogWeeks},
    {LogPeriod::Month, EditorTexts::LogMonths},
}};

EditorTexts::Text unreadText(UnreadLogFile::Why why) {
    switch (why) {
    case UnreadLogFile::Why::TooLarge:
        return EditorTexts::LogFileTooLarge;
    case UnreadLogFile::Why::Cut:
        return EditorTexts::LogFileCut;
    case UnreadLogFile::Why::Unreadable:
        break;
    }
    return EditorTexts::LogFileUnreadable;
}

} // namespace

CSessionLogDialog::CSessionLogDialog(const FileSystem& files, const EditorTexts& texts,
                                     std::u16string_view language, QString childName,
                                     QWidget* parent)
    : QDialog(parent), texts_(texts), names_(texts, CPeriodNames::localeOf(language)),
      log_(readLoggedSessions(files)), childName_(std::move(childName)) {
    setWindowTitle(toQString(texts[EditorTexts::SessionLogTitle]));
    auto* layout = new QVBoxLayout(this);
    views = new QTabBar(this);
    for (const auto& [period, title] : kViews) {
        views->addTab(toQString(texts[title]));
    }
    layout->addWidget(views);
    if (log_.tally.days().empty()) {
        auto* nothing = new QLabel(toQString(texts[EditorTexts::NothingLogged]), this);
        nothing->setWordWrap(true);
        layout->addWidget(nothing);
    }
    layout->addWidget(makeUnreadNotes());
    table = new CSummaryTable(texts, names_, this);
    layout->addWidget(table, 1);
    makeChoices();
    chart = new QChartView(this);
    chart->setRenderHint(QPainter::Antialiasing);
    chart->setMinimumHeight(240);
    layout->addWidget(chart, 1);
    auto* reportRow = new QHBoxLayout;
    reportRow->addWidget(new QLabel(toQString(texts[EditorTexts::LogReportPeriod]), this));
    reportRow->addWidget(reportPeriod, 1);
    reportRow->addWidget(makeButtons(files));
    layout->addLayout(reportRow);
    askReportPath = [this] {
        return QFileDialog::getSaveFileName(
            this, toQString(texts_[EditorTexts::SaveReportButton]), QString(),
            toQString(texts_[EditorTexts::ReportFiles]) + QStringLiteral(" (*.pdf)"));
    };
    tell = [this](const QString& message) {
        QMessageBox::warning(this, QStringLiteral("vimoedit"), message);
    };
    connect(views, &QTabBar::currentChanged, this, &CSessionLogDialog::showView);
    showView(0);
    resize(900, 720);
}

LogPeriod CSessionLogDialog::period() const {
    return kViews[static_cast<std::size_t>(std::max(views->currentIndex(), 0))].first;
}

void CSessionLogDialog::makeChoices() {
    chartFigure = new QComboBox(this);
    chartFigure->setObjectName(QStringLiteral("chartFigure"));
    for (const CSummaryFigure& figure : CSummaryFigure::all()) {
        chartFigure->addItem(toQString(texts_[figure.title]));
    }
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(toQString(texts_[EditorTexts::LogChartFigure]), this));
    row->addWidget(chartFigure, 1);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    // The pace of the child's presses is what a therapist looks at first.
    const auto figures = CSummaryFigure::all();
    for (std::size_t k = 0; k < figures.size(); ++k) {
        if (figures[k].title == EditorTexts::LogResponse) {
            chartFigure->setCurrentIndex(static_cast<int>(k));
        }
    }
    connect(chartFigure, &QComboBox::currentIndexChanged, this, &CSessionLogDialog::showChart);
    reportPeriod = new QComboBox(this);
    reportPeriod->setObjectName(QStringLiteral("reportPeriod"));
}

void CSessionLogDialog::showView(int) {
    const LogPeriod shown = period();
    summaries_ = summariseSessions(log_.tally, shown);
    table->fill(summaries_, shown);
    reportPeriod->clear();
    for (const ActivitySummary& summary : summaries_) {
        const QString key = QString::fromStdString(summary.period);
        if (reportPeriod->findData(key) < 0) {
            reportPeriod->addItem(names_.name(shown, summary.period), key);
        }
    }
    // The latest period is the one a report is most often wanted for.
    reportPeriod->setCurrentIndex(reportPeriod->count() - 1);
    saveReport->setEnabled(reportPeriod->count() > 0);
    showChart();
}

void CSessionLogDialog::showChart() {
    const auto figures = CSummaryFigure::all();
    const auto& figure =
        figures[static_cast<std::size_t>(std::max(chartFigure->currentIndex(), 0))];
    QChart* old = chart->chart();
    chart->setChart(CFigureChart::make(summaries_, period(), figure, texts_, names_));
    delete old;
}

QLabel* CSessionLogDialog::makeUnreadNotes() {
    QStringList notes;
    for (const UnreadLogFile& file : log_.unread) {
        notes << toQString(texts_.with(unreadText(file.why), file.name));
    }
    unread = new QLabel(notes.join(QLatin1Char('\n')), this);
    unread->setObjectName(QStringLiteral("unread"));
    unread->setWordWrap(true);
    unread->setVisible(!notes.isEmpty());
    return unread;
}

bool CSessionLogDialog::writeReport(const QString& path) {
    const auto figures = CSummaryFigure::all();
    const CSessionReport::Content content{
        childName_, period(), reportPeriod->currentData().toString().toStdString(), summaries_,
        &figures[static_cast<std::size_t>(std::max(chartFigure->currentIndex(), 0))]};
    if (CSessionReport(texts_, names_, log_.tally).write(path, content)) {
        return true;
    }
    tell(toQString(texts_.with(EditorTexts::ReportNotSaved, fromQString(path))));
    return false;
}

QDialogButtonBox* CSessionLogDialog::makeButtons(const FileSystem& files) {
    auto* buttons = new QDialogButtonBox(this);
    openFolder = buttons->addButton(toQString(texts_[EditorTexts::OpenLogFolder]),
                                    QDialogButtonBox::ActionRole);
    openFolder->setEnabled(files.exists(kLogFolder));
    saveReport = buttons->addButton(toQString(texts_[EditorTexts::SaveReportButton]),
                                    QDialogButtonBox::ActionRole);
    saveReport->setObjectName(QStringLiteral("saveReport"));
    QPushButton* close =
        buttons->addButton(toQString(texts_[EditorTexts::OkButton]), QDialogButtonBox::AcceptRole);
    const std::filesystem::path folder = files.resolve(kLogFolder);
    connect(openFolder, &QPushButton::clicked, this, [folder] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder.string())));
    });
    connect(saveReport, &QPushButton::clicked, this, [this] {
        QString path = askReportPath();
        if (path.isEmpty()) {
            return;
        }
        if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
            path += QStringLiteral(".pdf");
        }
        writeReport(path);
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    return buttons;
}

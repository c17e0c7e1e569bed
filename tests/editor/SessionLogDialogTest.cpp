// SPDX-License-Identifier: GPL-3.0-or-later
#include "LogsOfTwoWeeks.h"
#include "common/files/DiskFileSystem.h"
#include "editor/dialog/CSessionLogDialog.h"
#include "editor/dialog/CSummaryTable.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLineSeries>
#include <QProcess>
#include <QTabBar>
#include <gtest/gtest.h>

// The days, weeks and months of two weeks' logs, in Swedish: each view's table, chart and report
// choices hold its periods, and the PDF report of the last week (read back as text) shows the
// child, the week with its days, the very cells the table shows, the settings in force and their
// change, and the heading of the therapist's notes.
TEST(SessionLogDialogTest, EachViewAndTheReportShowTheSameFigures) {
    TemporaryFolder folder;
    writeLogsOfTwoWeeks(folder);
    const EditorTexts texts = EditorTexts::read(DiskFileSystem(VIMO_CONTENT_DIR), u"Swedish");
    CSessionLogDialog dialog(DiskFileSystem(folder.path()), texts, u"Swedish",
                             QStringLiteral("Alva"), nullptr);
    const struct {
        int view;
        std::size_t rows;
        int periods;
        std::size_t lines; // one per activity
    } views[] = {{0, 4, 4, 2}, {1, 3, 3, 2}, {2, 3, 3, 2}};
    for (const auto& v : views) {
        dialog.views->setCurrentIndex(v.view);
        EXPECT_EQ(dialog.summaries().size(), v.rows) << v.view;
        EXPECT_EQ(static_cast<std::size_t>(dialog.table->rowCount()), v.rows) << v.view;
        EXPECT_EQ(dialog.reportPeriod->count(), v.periods) << v.view;
        EXPECT_EQ(static_cast<std::size_t>(dialog.chart->chart()->series().size()), v.lines)
            << v.view;
    }

    dialog.views->setCurrentIndex(1);
    const QString pdf = QString::fromStdString((folder.path() / "report.pdf").string());
    ASSERT_TRUE(dialog.writeReport(pdf));
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"),
                 {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(reader.waitForFinished(30'000)) << "pdftotext (poppler-utils) is needed";
    const QString text = QString::fromUtf8(reader.readAllStandardOutput()).simplified();
    const std::vector<QStringList> cells =
        CSummaryTable::rows(dialog.summaries(), LogPeriod::Week, texts,
                            CPeriodNames(texts, CPeriodNames::localeOf(u"Swedish")));
    QStringList expected = cells.back(); // week 14, the report's
    expected << QStringLiteral("Alva") << QStringLiteral("30 mars") << QStringLiteral("5 apr")
             << QStringLiteral("choices=4; scan=1.5") << QString::fromUtf8("choices: 3 → 4")
             << QString::fromStdU16String(std::u16string(texts[EditorTexts::ReportNotes]));
    EXPECT_TRUE(expected.contains(QStringLiteral("2,5"))) << "the median response in Swedish";
    for (const QString& part : expected) {
        EXPECT_TRUE(part.isEmpty() || text.contains(part.simplified()))
            << part.toStdString() << " is not in the report:\n"
            << text.toStdString();
    }
}

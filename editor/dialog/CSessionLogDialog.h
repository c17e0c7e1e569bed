// SPDX-License-Identifier: GPL-3.0-or-later
// The summary of the game's session log for a therapist: a table of the days, weeks or months
// and activities played with their figures, a chart of one figure over those periods, the log
// files that could not be read whole, a button that opens the log folder so the rows themselves
// can be taken into a spreadsheet, and one that saves a period's report as a PDF.
#pragma once

#include "common/files/FileSystem.h"
#include "editor/dialog/CPeriodNames.h"
#include "editor/log/LoggedSessions.h"
#include "editor/log/SessionSummary.h"
#include "editor/texts/EditorTexts.h"

#include <QDialog>
#include <functional>
#include <string_view>
#include <vector>

class CSummaryTable;
class QChartView;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class QTabBar;

class CSessionLogDialog : public QDialog {
public:
    // Reads the log folder of `files`; `language` is the content's, whose way of writing dates
    // the dialog and the report follow; `childName` heads the report (none when empty).
    CSessionLogDialog(const FileSystem& files, const EditorTexts& texts,
                      std::u16string_view language, QString childName, QWidget* parent);

    QTabBar* views = nullptr; // days, weeks, months
    CSummaryTable* table = nullptr;
    QComboBox* chartFigure = nullptr;
    QChartView* chart = nullptr;
    QComboBox* reportPeriod = nullptr;
    QLabel* unread = nullptr; // the files left out or cut
    QPushButton* openFolder = nullptr;
    QPushButton* saveReport = nullptr;

    // Where to save the report (empty: cancelled), and how to say that it could not be saved:
    // the desktop's dialogs, unless a test puts stand-ins here.
    std::function<QString()> askReportPath;
    std::function<void(const QString& message)> tell;

    LogPeriod period() const;
    const std::vector<ActivitySummary>& summaries() const { return summaries_; }
    // Writes the report of the period chosen to `path`; false, having told so, when it cannot.
    bool writeReport(const QString& path);

private:
    void showView(int view);
    void showChart();
    void makeChoices();
    QLabel* makeUnreadNotes();
    QDialogButtonBox* makeButtons(const FileSystem& files);

    const EditorTexts& texts_;
    CPeriodNames names_;
    LoggedSessions log_;
    QString childName_;
    std::vector<ActivitySummary> summaries_;
};

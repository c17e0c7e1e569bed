// SPDX-License-Identifier: GPL-3.0-or-later
// The summary of the game's session log for a therapist: a table of the days and activities
// played with their sessions, minutes, presses, answers and the median time to a press, and a
// button that opens the log folder so the rows themselves can be taken into a spreadsheet.
#pragma once

#include "common/files/FileSystem.h"
#include "editor/log/SessionSummary.h"
#include "editor/texts/EditorTexts.h"

#include <QDialog>
#include <vector>

class QDialogButtonBox;
class QPushButton;
class QTableWidget;

class CSessionLogDialog : public QDialog {
public:
    CSessionLogDialog(const FileSystem& files, const EditorTexts& texts, QWidget* parent);

    QTableWidget* table = nullptr;
    QPushButton* openFolder = nullptr;

private:
    void makeTable(const std::vector<ActivitySummary>& summaries, const EditorTexts& texts);
    QDialogButtonBox* makeButtons(const FileSystem& files, const EditorTexts& texts);
};

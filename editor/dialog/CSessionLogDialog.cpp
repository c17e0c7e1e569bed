// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CSessionLogDialog.h"

#include "common/content/SessionLogFormat.h"
#include "editor/dialog/QtText.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

namespace {

// A column of the table: its title, whether it holds words (aligned left) rather than figures,
// whether it counts answers, and its cell for a summary.
struct Column {
    EditorTexts::Text title;
    bool words;
    bool answers;
    QString (*cell)(const ActivitySummary& summary, const EditorTexts& texts);
};

QString tenths(double value) {
    return QString::number(value, 'f', 1);
}

const Column kColumns[] = {
    {EditorTexts::LogDay, true, false,
     [](const ActivitySummary& s, const EditorTexts&) { return QString::fromStdString(s.day); }},
    {EditorTexts::LogActivity, true, false,
     [](const ActivitySummary& s, const EditorTexts& texts) {
         return toQString(texts.activityName(s.activity));
     }},
    {EditorTexts::LogSessions, false, false,
     [](const ActivitySummary& s, const EditorTexts&) { return QString::number(s.sessions); }},
    {EditorTexts::LogMinutes, false, false,
     [](const ActivitySummary& s, const EditorTexts&) {
         return tenths(static_cast<double>(s.milliseconds) / 60'000.0);
     }},
    {EditorTexts::LogPresses, false, false,
     [](const ActivitySummary& s, const EditorTexts&) { return QString::number(s.presses); }},
    {EditorTexts::LogCorrect, false, true,
     [](const ActivitySummary& s, const EditorTexts&) { return QString::number(s.correct); }},
    {EditorTexts::LogWrong, false, true,
     [](const ActivitySummary& s, const EditorTexts&) { return QString::number(s.wrong); }},
    {EditorTexts::LogResponse, false, false,
     [](const ActivitySummary& s, const EditorTexts&) {
         return s.medianResponseMilliseconds
                    ? tenths(static_cast<double>(*s.medianResponseMilliseconds) / 1000.0)
                    : QString();
     }},
};

constexpr int kColumnCount = static_cast<int>(std::size(kColumns));

} // namespace

CSessionLogDialog::CSessionLogDialog(const FileSystem& files, const EditorTexts& texts,
                                     QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(toQString(texts[EditorTexts::SessionLogTitle]));
    const std::vector<ActivitySummary> summaries = summariseSessionLog(readSessionLogs(files));
    makeTable(summaries, texts);

    auto* layout = new QVBoxLayout(this);
    if (summaries.empty()) {
        auto* nothing = new QLabel(toQString(texts[EditorTexts::NothingLogged]), this);
        nothing->setWordWrap(true);
        layout->addWidget(nothing);
    }
    layout->addWidget(table);
    layout->addWidget(makeButtons(files, texts));
    resize(720, 420);
}

void CSessionLogDialog::makeTable(const std::vector<ActivitySummary>& summaries,
                                  const EditorTexts& texts) {
    table = new QTableWidget(static_cast<int>(summaries.size()), kColumnCount, this);
    table->setObjectName(QStringLiteral("summary"));
    QStringList titles;
    for (const Column& column : kColumns) {
        titles << toQString(texts[column.title]);
    }
    table->setHorizontalHeaderLabels(titles);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < table->rowCount(); ++row) {
        const ActivitySummary& summary = summaries[static_cast<std::size_t>(row)];
        for (int c = 0; c < kColumnCount; ++c) {
            const Column& column = kColumns[c];
            // Answers are counted only where an activity gives them; elsewhere the cells stay
            // empty.
            auto* item = new QTableWidgetItem(column.answers && !rowOf(summary.activity).answers
                                                  ? QString()
                                                  : column.cell(summary, texts));
            item->setTextAlignment(column.words ? Qt::AlignLeft | Qt::AlignVCenter
                                                : Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, c, item);
        }
    }
    const bool answers =
        std::any_of(summaries.begin(), summaries.end(),
                    [](const ActivitySummary& s) { return rowOf(s.activity).answers; });
    for (int c = 0; c < kColumnCount; ++c) {
        if (kColumns[c].answers) {
            table->setColumnHidden(c, !answers);
        }
    }
    table->resizeColumnsToContents();
}

QDialogButtonBox* CSessionLogDialog::makeButtons(const FileSystem& files,
                                                 const EditorTexts& texts) {
    auto* buttons = new QDialogButtonBox(this);
    openFolder = buttons->addButton(toQString(texts[EditorTexts::OpenLogFolder]),
                                    QDialogButtonBox::ActionRole);
    openFolder->setEnabled(files.exists(kLogFolder));
    QPushButton* close =
        buttons->addButton(toQString(texts[EditorTexts::OkButton]), QDialogButtonBox::AcceptRole);
    const std::filesystem::path folder = files.resolve(kLogFolder);
    connect(openFolder, &QPushButton::clicked, this, [folder] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder.string())));
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    return buttons;
}

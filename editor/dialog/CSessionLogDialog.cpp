// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CSessionLogDialog.h"

#include "common/content/SessionLogFormat.h"
#include "editor/dialog/QtText.h"
#include "editor/log/SessionSummary.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

CSessionLogDialog::CSessionLogDialog(const FileSystem& files, const EditorTexts& texts,
                                     QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(toQString(texts[EditorTexts::SessionLogTitle]));
    const std::vector<ActivitySummary> summaries = summariseSessionLog(readSessionLogs(files));

    table = new QTableWidget(static_cast<int>(summaries.size()), 8, this);
    table->setObjectName(QStringLiteral("summary"));
    QStringList titles;
    for (EditorTexts::Text title :
         {EditorTexts::LogDay, EditorTexts::LogActivity, EditorTexts::LogSessions,
          EditorTexts::LogMinutes, EditorTexts::LogPresses, EditorTexts::LogCorrect,
          EditorTexts::LogWrong, EditorTexts::LogResponse}) {
        titles << toQString(texts[title]);
    }
    table->setHorizontalHeaderLabels(titles);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Correct and wrong answers are given only in some activities; elsewhere their cells stay
    // empty.
    const bool answers =
        std::any_of(summaries.begin(), summaries.end(),
                    [](const ActivitySummary& s) { return rowOf(s.activity).answers; });
    for (int row = 0; row < table->rowCount(); ++row) {
        const ActivitySummary& s = summaries[static_cast<std::size_t>(row)];
        const bool answered = rowOf(s.activity).answers;
        const QString cells[] = {
            QString::fromStdString(s.day),
            toQString(texts.activityName(s.activity)),
            QString::number(s.sessions),
            QString::number(static_cast<double>(s.milliseconds) / 60'000.0, 'f', 1),
            QString::number(s.presses),
            answered ? QString::number(s.correct) : QString(),
            answered ? QString::number(s.wrong) : QString(),
            s.medianResponseMilliseconds
                ? QString::number(static_cast<double>(*s.medianResponseMilliseconds) / 1000.0, 'f',
                                  1)
                : QString()};
        for (int column = 0; column < 8; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(column < 2 ? Qt::AlignLeft | Qt::AlignVCenter
                                              : Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, column, item);
        }
    }
    table->setColumnHidden(5, !answers);
    table->setColumnHidden(6, !answers);
    table->resizeColumnsToContents();

    auto* layout = new QVBoxLayout(this);
    if (summaries.empty()) {
        auto* nothing = new QLabel(toQString(texts[EditorTexts::NothingLogged]), this);
        nothing->setWordWrap(true);
        layout->addWidget(nothing);
    }
    layout->addWidget(table);
    auto* buttons = new QDialogButtonBox(this);
    openFolder = buttons->addButton(toQString(texts[EditorTexts::OpenLogFolder]),
                                    QDialogButtonBox::ActionRole);
    openFolder->setEnabled(files.exists(kLogFolder));
    QPushButton* close =
        buttons->addButton(toQString(texts[EditorTexts::OkButton]), QDialogButtonBox::AcceptRole);
    layout->addWidget(buttons);
    const std::filesystem::path folder = files.resolve(kLogFolder);
    connect(openFolder, &QPushButton::clicked, this, [folder] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder.string())));
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    resize(720, 420);
}

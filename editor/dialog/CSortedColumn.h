// SPDX-License-Identifier: GPL-3.0-or-later
// One column of the editor: a list that keeps its entries sorted in the language's alphabetical
// order without regard to case, holds at most one selection, and reports only the selection
// changes the user makes (programmatic changes stay quiet, as they would in a list box).
#pragma once

#include <QCollator>
#include <QListWidget>
#include <optional>

class CSortedColumn : public QListWidget {
    Q_OBJECT

public:
    explicit CSortedColumn(QWidget* parent = nullptr);

    void setCollationLocale(const QLocale& locale);

    // Empties the column.
    void removeAll();
    // Adds an entry at its sorted place. A marked entry (the speech column's None entry) stands
    // for no file; `tag` tells entries of the same text apart (an exercise's place in its list).
    void addEntry(const QString& text, bool marked = false, int tag = -1);
    // The tag of the entry at `point` of the viewport; nothing where there is no entry.
    std::optional<int> tagAt(const QPoint& point) const;
    QStringList entries() const;

    std::optional<QString> selectedText() const;
    bool selectedIsMarked() const;

    // Selects the first entry, in sorted order, that begins with `prefix` ignoring case (marked
    // entries are not candidates). An empty prefix, or none found, leaves no selection. True
    // when an entry was selected.
    bool selectFirstStartingWith(const QString& prefix);
    // Selects the entry whose text is exactly `text`; false, and no selection, when none is.
    bool selectEqualTo(const QString& text);
    void removeSelection();
    // Selects the entry `text`, or none for nothing; a selected entry of that text stays
    // selected (texts may repeat).
    void showChosen(const std::optional<QString>& text);
    // A right click on an entry that is not marked offers one action, `text`, for that entry;
    // the click chooses nothing. An empty text offers none.
    void offerEntryAction(const QString& text) { entryAction_ = text; }

signals:
    // The user changed the selection (by mouse or keyboard).
    void chosen();
    // The user clicked the entry that was chosen already.
    void chosenAgain();
    // The user took the entry action for the entry `text`.
    void entryActionTaken(const QString& text);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    bool sortsBefore(const QString& a, const QString& b) const;
    void selectRow(int row);

    QCollator collator_;
    bool quiet_ = false;
    QString entryAction_;
};

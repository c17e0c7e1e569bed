// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CSortedColumn.h"

#include "common/text/CaseFolding.h"
#include "editor/dialog/QtText.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScopedValueRollback>

namespace {

constexpr int kMarkedRole = Qt::UserRole + 1;
constexpr int kTagRole = Qt::UserRole + 2;

} // namespace

CSortedColumn::CSortedColumn(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setUniformItemSizes(true);
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!quiet_) {
            emit chosen();
        }
    });
}

void CSortedColumn::setCollationLocale(const QLocale& locale) {
    collator_ = QCollator(locale);
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

bool CSortedColumn::sortsBefore(const QString& a, const QString& b) const {
    const int order = collator_.compare(a, b);
    if (order != 0) {
        return order < 0;
    }
    // Names equal to the collator still get one fixed order.
    return compareFileNames(fromQString(a), fromQString(b)) < 0;
}

void CSortedColumn::removeAll() {
    const QScopedValueRollback<bool> quiet(quiet_, true);
    clear();
}

void CSortedColumn::addEntry(const QString& text, bool marked, int tag) {
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (sortsBefore(text, item(middle)->text())) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    auto* entry = new QListWidgetItem(text);
    entry->setData(kMarkedRole, marked);
    entry->setData(kTagRole, tag);
    const QScopedValueRollback<bool> quiet(quiet_, true);
    insertItem(low, entry); // the column owns the item from here on
}

std::optional<int> CSortedColumn::tagAt(const QPoint& point) const {
    const QListWidgetItem* entry = itemAt(point);
    return entry != nullptr ? std::optional(entry->data(kTagRole).toInt()) : std::nullopt;
}

QStringList CSortedColumn::entries() const {
    QStringList texts;
    for (int row = 0; row < count(); ++row) {
        texts.push_back(item(row)->text());
    }
    return texts;
}

std::optional<QString> CSortedColumn::selectedText() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    if (selected.isEmpty()) {
        return std::nullopt;
    }
    return selected.front()->text();
}

bool CSortedColumn::selectedIsMarked() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return !selected.isEmpty() && selected.front()->data(kMarkedRole).toBool();
}

void CSortedColumn::selectRow(int row) {
    const QScopedValueRollback<bool> quiet(quiet_, true);
    if (row < 0) {
        clearSelection();
        return;
    }
    setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    scrollToItem(item(row));
}

bool CSortedColumn::selectFirstStartingWith(const QString& prefix) {
    if (!prefix.isEmpty()) {
        for (int row = 0; row < count(); ++row) {
            if (!item(row)->data(kMarkedRole).toBool() &&
                item(row)->text().startsWith(prefix, Qt::CaseInsensitive)) {
                selectRow(row);
                return true;
            }
        }
    }
    selectRow(-1);
    return false;
}

bool CSortedColumn::selectEqualTo(const QString& text) {
    for (int row = 0; row < count(); ++row) {
        if (item(row)->text() == text) {
            selectRow(row);
            return true;
        }
    }
    selectRow(-1);
    return false;
}

void CSortedColumn::removeSelection() {
    selectRow(-1);
}

void CSortedColumn::showChosen(const std::optional<QString>& text) {
    if (selectedText() != text) {
        selectEqualTo(text.value_or(QString()));
    }
}

QItemSelectionModel::SelectionFlags CSortedColumn::selectionCommand(const QModelIndex& index,
                                                                    const QEvent* event) const {
    // Like a list box: a click always selects the entry under it, never takes the selection
    // away (no Ctrl+click deselection, no clearing by a click on empty space).
    if (!index.isValid()) {
        return QItemSelectionModel::NoUpdate;
    }
    // A right click that offers the entry action leaves the choice as it was.
    const bool rightClick = event != nullptr &&
                            (event->type() == QEvent::MouseButtonPress ||
                             event->type() == QEvent::MouseButtonRelease) &&
                            static_cast<const QMouseEvent*>(event)->button() == Qt::RightButton;
    if (rightClick && !entryAction_.isEmpty()) {
        return QItemSelectionModel::NoUpdate;
    }
    const QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
    if (flags & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)) {
        return QItemSelectionModel::ClearAndSelect;
    }
    return flags;
}

void CSortedColumn::mousePressEvent(QMouseEvent* event) {
    // A click on the chosen entry changes no selection, yet it is a choice all the same.
    const QListWidgetItem* pressed = itemAt(event->position().toPoint());
    const bool again = pressed != nullptr && pressed->isSelected();
    QListWidget::mousePressEvent(event);
    if (again && event->button() == Qt::LeftButton) {
        emit chosenAgain();
    }
}

void CSortedColumn::contextMenuEvent(QContextMenuEvent* event) {
    const QListWidgetItem* entry = itemAt(event->pos());
    if (entryAction_.isEmpty() || entry == nullptr || entry->data(kMarkedRole).toBool()) {
        QListWidget::contextMenuEvent(event);
        return;
    }
    // The text is taken first: what the action does may fill the column anew.
    const QString text = entry->text();
    QMenu menu(this);
    const QAction* action = menu.addAction(entryAction_);
    if (menu.exec(event->globalPos()) == action) {
        emit entryActionTaken(text);
    }
}

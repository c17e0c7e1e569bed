// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CPlayOrderDrag.h"

#include "editor/dialog/CSortedColumn.h"

#include <QDropEvent>

CPlayOrderDrag::CPlayOrderDrag(CSortedColumn& column)
    : QObject(column.viewport()), column_(column) {
    // The column's own drag within itself: it shows where the entry would land.
    column.setDragEnabled(true);
    column.setDragDropMode(QAbstractItemView::InternalMove);
    column.viewport()->installEventFilter(this);
}

bool CPlayOrderDrag::eventFilter(QObject* /*watched*/, QEvent* event) {
    if (event->type() != QEvent::Drop) {
        return false;
    }
    auto* drop = static_cast<QDropEvent*>(event);
    // Taken here, before the column moves its entries itself; nothing is removed at the source.
    drop->setDropAction(Qt::IgnoreAction);
    drop->accept();
    const std::optional<int> place = column_.tagAt(drop->position().toPoint());
    if (drop->source() == &column_ && place && *place >= 0) {
        emit droppedOnto(static_cast<std::size_t>(*place));
    }
    return true;
}

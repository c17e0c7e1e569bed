// SPDX-License-Identifier: GPL-3.0-or-later
// Lets the chosen exercise be dragged, in the Exercise column, onto another exercise: dropped
// there, it is to take that one's place in the play order. The column stays sorted by name; the
// drop only reports the place, from the tag of the entry dropped on.
#pragma once

#include <QObject>
#include <cstddef>

class CSortedColumn;

class CPlayOrderDrag : public QObject {
    Q_OBJECT

public:
    // Watches `column`'s viewport and is owned by it.
    explicit CPlayOrderDrag(CSortedColumn& column);

signals:
    void droppedOnto(std::size_t place);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CSortedColumn& column_;
};

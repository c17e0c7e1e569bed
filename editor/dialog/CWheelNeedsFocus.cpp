// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CWheelNeedsFocus.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>

void CWheelNeedsFocus::guardControlsIn(QWidget& area) {
    QList<QWidget*> controls;
    for (QAbstractSpinBox* box : area.findChildren<QAbstractSpinBox*>()) {
        controls.append(box);
    }
    for (QComboBox* box : area.findChildren<QComboBox*>()) {
        controls.append(box);
    }
    for (QWidget* control : controls) {
        // Without this the wheel itself would give the focus, and with it the value.
        control->setFocusPolicy(Qt::StrongFocus);
        control->installEventFilter(this);
    }
}

bool CWheelNeedsFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && !static_cast<QWidget*>(watched)->hasFocus()) {
        // Not taken here: Qt then hands the wheel to the control's parents, the scrolling area.
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

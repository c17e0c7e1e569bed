// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the mouse wheel that scrolls a long dialog from changing a setting the pointer happens to
// pass over: a guarded spin box or list box takes the wheel only once it has the focus (a click or
// Tab gives it); otherwise the wheel goes on to scroll the dialog.
#pragma once

#include <QObject>

class QWidget;

class CWheelNeedsFocus : public QObject {
    Q_OBJECT

public:
    explicit CWheelNeedsFocus(QObject* parent) : QObject(parent) {}

    // Guards every spin box and list box inside `area`.
    void guardControlsIn(QWidget& area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The switch settings dialog's test area: a press of any switch lights up which switch it was,
// by the game's rules, and names what was pressed. Space is the first switch and Enter the
// second; the left and right mouse buttons choose, as the second switch does; a controller's
// first-switch button is the first switch and every other button the second. Keys and mouse
// buttons count while the area has the focus (a click gives it), so Space and Enter do not work
// the dialog's buttons meanwhile.
#pragma once

#include "editor/texts/EditorTexts.h"

#include <QFrame>
#include <QTimer>

class QLabel;

class CSwitchTestPad : public QFrame {
    Q_OBJECT

public:
    enum Switch { NoSwitch, FirstSwitch, SecondSwitch };

    // `texts` must outlive the area.
    CSwitchTestPad(const EditorTexts& texts, QWidget* parent);

    // Controller `button` was pressed; `firstButton` is the first switch's.
    void controllerPressed(int button, int firstButton);

    // The switch lit at the moment.
    Switch lit() const { return lit_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Lights `which` for a moment and names `what` was pressed.
    void light(Switch which, const QString& what);

    const EditorTexts& texts_;
    QLabel* first_ = nullptr;
    QLabel* second_ = nullptr;
    QLabel* pressed_ = nullptr;
    QTimer dimmer_;
    Switch lit_ = NoSwitch;
};

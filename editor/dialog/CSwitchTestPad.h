// SPDX-License-Identifier: GPL-3.0-or-later
// The switch settings dialog's test area: a press of any switch or key names what the game heard
// and says how each screen takes it, by the game's rules, lighting up the first switch (Space,
// stepping in the menu and find images), the second (Enter, choosing there) and any press of the
// five other activities, which take every key. Esc is the way out; Alt, keys with Alt and F10
// the game never hears. The left and right mouse buttons choose, as the second switch does; a
// controller's first-switch button is the first switch and every other button the second. Keys
// and mouse buttons count while the area has the focus (a click gives it), so Space, Enter and Esc
// do not work the dialog's buttons meanwhile; Tab still leaves it.
#pragma once

#include "common/content/ScreenInputUse.h"
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

    // The switch of the menu and find images lit at the moment.
    Switch lit() const { return lit_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Names `what` the game heard as `input`, lights the lamps of its uses for a moment and says
    // how each screen takes it.
    void heard(const QString& what, PressedInput input);
    // Names `what` was pressed, which the game does not hear, with `why` (may be empty).
    void notHeard(const QString& what, const QString& why);
    void setLamps(bool first, bool second, bool contact);
    // One line per way of taking `input`, with the screens that take it so.
    QString screenUses(PressedInput input) const;
    QString keyName(const QKeyEvent& event) const;

    const EditorTexts& texts_;
    QLabel* first_ = nullptr;
    QLabel* second_ = nullptr;
    QLabel* contact_ = nullptr;
    QLabel* pressed_ = nullptr;
    QLabel* uses_ = nullptr;
    QTimer dimmer_;
    Switch lit_ = NoSwitch;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CSwitchTestPad.h"

#include "common/controllers/ControllerSwitch.h"
#include "editor/dialog/QtText.h"
#include "editor/platform/ControllerButtons.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// How long a switch stays lit, so that two presses of one switch show as two.
constexpr int kLitMilliseconds = 700;

QLabel* switchLamp(QWidget* parent, const QString& name, const QString& text) {
    auto* lamp = new QLabel(text, parent);
    lamp->setObjectName(name);
    lamp->setAlignment(Qt::AlignCenter);
    lamp->setMinimumHeight(40);
    lamp->setProperty("lit", false);
    return lamp;
}

} // namespace

CSwitchTestPad::CSwitchTestPad(const EditorTexts& texts, QWidget* parent)
    : QFrame(parent), texts_(texts) {
    setObjectName(QStringLiteral("switchTest"));
    setFrameShape(QFrame::StyledPanel);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(toQString(texts[EditorTexts::TestTitle]));
    setStyleSheet(QStringLiteral("QLabel[lit=\"false\"] { border: 2px solid palette(mid); }"
                                 "QLabel[lit=\"true\"] { border: 2px solid black; "
                                 "background: #ffd400; color: black; }"
                                 "#switchTest:focus { border: 2px solid palette(highlight); }"));
    auto* hint = new QLabel(toQString(texts[EditorTexts::TestHint]), this);
    hint->setWordWrap(true);
    first_ =
        switchLamp(this, QStringLiteral("firstSwitch"), toQString(texts[EditorTexts::FirstSwitch]));
    second_ = switchLamp(this, QStringLiteral("secondSwitch"),
                         toQString(texts[EditorTexts::SecondSwitch]));
    pressed_ = new QLabel(this);
    pressed_->setObjectName(QStringLiteral("pressedSwitch"));
    pressed_->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    auto* lamps = new QHBoxLayout;
    lamps->addWidget(first_);
    lamps->addWidget(second_);
    layout->addLayout(lamps);
    layout->addWidget(pressed_);

    dimmer_.setSingleShot(true);
    dimmer_.setInterval(kLitMilliseconds);
    connect(&dimmer_, &QTimer::timeout, this, [this] { light(NoSwitch, pressed_->text()); });
}

void CSwitchTestPad::light(Switch which, const QString& what) {
    lit_ = which;
    for (auto [lamp, on] :
         {std::pair{first_, which == FirstSwitch}, std::pair{second_, which == SecondSwitch}}) {
        lamp->setProperty("lit", on);
        lamp->style()->unpolish(lamp);
        lamp->style()->polish(lamp);
    }
    pressed_->setText(what);
    if (which != NoSwitch) {
        dimmer_.start();
    }
}

void CSwitchTestPad::controllerPressed(int button, int firstButton) {
    light(switchOfButton(button, firstButton) == ControllerSwitch::First ? FirstSwitch
                                                                         : SecondSwitch,
          toQString(texts_.with(EditorTexts::ControllerButtonPressed,
                                QString::number(button).toStdU16String())));
}

void CSwitchTestPad::keyPressEvent(QKeyEvent* event) {
    // A held key counts once, as in the game.
    switch (event->key()) {
    case Qt::Key_Space:
        if (!event->isAutoRepeat()) {
            light(FirstSwitch, toQString(texts_[EditorTexts::SpaceKey]));
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat()) {
            light(SecondSwitch, toQString(texts_[EditorTexts::EnterKey]));
        }
        break;
    default:
        // Tab, Esc and the rest work the dialog as usual.
        QFrame::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CSwitchTestPad::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    switch (event->button()) {
    case Qt::LeftButton:
        light(SecondSwitch, toQString(texts_[EditorTexts::LeftMouseButton]));
        break;
    case Qt::RightButton:
        light(SecondSwitch, toQString(texts_[EditorTexts::RightMouseButton]));
        break;
    default:
        light(NoSwitch, toQString(texts_[EditorTexts::OtherMouseButton]));
        break;
    }
    event->accept();
}

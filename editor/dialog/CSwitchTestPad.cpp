// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CSwitchTestPad.h"

#include "common/controllers/ControllerSwitch.h"
#include "editor/dialog/QtText.h"
#include "editor/platform/ControllerButtons.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <vector>

namespace {

// How long a switch stays lit, so that two presses of one switch show as two.
constexpr int kLitMilliseconds = 700;
// The lines how the screens take a press may fill at the narrowest: two, each wrapped once.
constexpr int kUseLines = 4;

// The words for each way of taking a press, in the order of InputUse.
constexpr std::array<EditorTexts::Text, 5> kUseTexts = {
    EditorTexts::UseFirstSwitch, EditorTexts::UseSecondSwitch, EditorTexts::UseContact,
    EditorTexts::UseNotUsed, EditorTexts::UseWayOut};

QLabel* switchLamp(QWidget* parent, const QString& name, const QString& text) {
    auto* lamp = new QLabel(text, parent);
    lamp->setObjectName(name);
    lamp->setAlignment(Qt::AlignCenter);
    lamp->setMinimumHeight(40);
    lamp->setWordWrap(true);
    lamp->setProperty("lit", false);
    return lamp;
}

// The system keeps Alt, every key pressed with it and F10 from the game's window.
bool heardByGame(const QKeyEvent& event) {
    return event.key() != Qt::Key_Alt && event.key() != Qt::Key_AltGr &&
           event.key() != Qt::Key_F10 && !event.modifiers().testFlag(Qt::AltModifier);
}

PressedInput inputOfKey(int key) {
    switch (key) {
    case Qt::Key_Space:
        return PressedInput::Space;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return PressedInput::Enter;
    case Qt::Key_Escape:
        return PressedInput::Escape;
    default:
        return PressedInput::OtherKey;
    }
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
    contact_ =
        switchLamp(this, QStringLiteral("anyKey"), toQString(texts[EditorTexts::ContactLamp]));
    pressed_ = new QLabel(this);
    pressed_->setObjectName(QStringLiteral("pressedSwitch"));
    pressed_->setAlignment(Qt::AlignCenter);
    uses_ = new QLabel(this);
    uses_->setObjectName(QStringLiteral("screenUses"));
    uses_->setWordWrap(true);
    uses_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Room for the longest answer from the start, so the area does not jump at a press.
    uses_->setMinimumHeight(kUseLines * uses_->fontMetrics().lineSpacing());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    auto* lamps = new QHBoxLayout;
    for (QLabel* lamp : {first_, second_, contact_}) {
        lamps->addWidget(lamp, 1);
    }
    layout->addLayout(lamps);
    layout->addWidget(pressed_);
    layout->addWidget(uses_);

    dimmer_.setSingleShot(true);
    dimmer_.setInterval(kLitMilliseconds);
    connect(&dimmer_, &QTimer::timeout, this, [this] { setLamps(false, false, false); });
}

void CSwitchTestPad::setLamps(bool first, bool second, bool contact) {
    lit_ = first ? FirstSwitch : second ? SecondSwitch : NoSwitch;
    for (auto [lamp, on] :
         {std::pair{first_, first}, std::pair{second_, second}, std::pair{contact_, contact}}) {
        lamp->setProperty("lit", on);
        lamp->style()->unpolish(lamp);
        lamp->style()->polish(lamp);
    }
}

void CSwitchTestPad::heard(const QString& what, PressedInput input) {
    auto usedAs = [input](InputUse use) {
        return std::any_of(kGameScreens.begin(), kGameScreens.end(), [&](const GameScreenRow& row) {
            return inputUseOn(row.screen, input) == use;
        });
    };
    setLamps(usedAs(InputUse::FirstSwitch), usedAs(InputUse::SecondSwitch),
             usedAs(InputUse::Contact));
    pressed_->setText(what);
    uses_->setText(screenUses(input));
    dimmer_.start();
}

void CSwitchTestPad::notHeard(const QString& what, const QString& why) {
    setLamps(false, false, false);
    pressed_->setText(what);
    uses_->setText(why);
}

QString CSwitchTestPad::screenUses(PressedInput input) const {
    struct Group {
        InputUse use;
        QStringList screens;
    };
    std::vector<Group> groups;
    int screens = 0;
    for (const GameScreenRow& row : kGameScreens) {
        if (row.screen == GameScreen::Options) {
            continue; // the adult's screen, taking no switch
        }
        ++screens;
        const InputUse use = inputUseOn(row.screen, input);
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [use](const Group& known) { return known.use == use; });
        if (group == groups.end()) {
            group = groups.insert(groups.end(), Group{use, {}});
        }
        group->screens << toQString(row.screen == GameScreen::Menu
                                        ? texts_[EditorTexts::MenuName]
                                        : texts_.activityName(row.screen));
    }
    QStringList lines;
    for (const Group& group : groups) {
        const std::u16string names = group.screens.size() == screens
                                         ? texts_[EditorTexts::EveryScreen]
                                         : fromQString(group.screens.join(QStringLiteral(", ")));
        lines << toQString(fillIn(texts_[EditorTexts::UseLine],
                                  {names, texts_[kUseTexts[static_cast<std::size_t>(group.use)]]}));
    }
    return lines.join(QLatin1Char('\n'));
}

QString CSwitchTestPad::keyName(const QKeyEvent& event) const {
    switch (inputOfKey(event.key())) {
    case PressedInput::Space:
        return toQString(texts_[EditorTexts::SpaceKey]);
    case PressedInput::Enter:
        return toQString(texts_[EditorTexts::EnterKey]);
    default:
        break;
    }
    const QString name = QKeySequence(event.key()).toString(QKeySequence::NativeText);
    // A key Qt has no name for still shows what it types, or its number.
    if (!name.isEmpty()) {
        return name;
    }
    return event.text().trimmed().isEmpty() ? QStringLiteral("#%1").arg(event.nativeScanCode())
                                            : event.text();
}

void CSwitchTestPad::controllerPressed(int button, int firstButton) {
    heard(toQString(texts_.with(EditorTexts::ControllerButtonPressed,
                                QString::number(button).toStdU16String())),
          switchOfButton(button, firstButton) == ControllerSwitch::First ? PressedInput::Space
                                                                         : PressedInput::Enter);
}

void CSwitchTestPad::keyPressEvent(QKeyEvent* event) {
    // A held key counts once, as in the game.
    if (!event->isAutoRepeat()) {
        if (heardByGame(*event)) {
            heard(keyName(*event), inputOfKey(event->key()));
        } else {
            notHeard(keyName(*event), toQString(texts_[EditorTexts::KeyNotHeard]));
        }
    }
    event->accept();
}

void CSwitchTestPad::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    switch (event->button()) {
    case Qt::LeftButton:
        heard(toQString(texts_[EditorTexts::LeftMouseButton]), PressedInput::GameMouseButton);
        break;
    case Qt::RightButton:
        heard(toQString(texts_[EditorTexts::RightMouseButton]), PressedInput::GameMouseButton);
        break;
    default:
        notHeard(toQString(texts_[EditorTexts::OtherMouseButton]), QString());
        break;
    }
    event->accept();
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The one-line box in which an exercise's text is typed; it tells when the keyboard focus
// leaves it, which is when the text is stored, and hands out only what the user typed.
#pragma once

#include <QLineEdit>
#include <optional>

class CTextBox : public QLineEdit {
    Q_OBJECT

public:
    explicit CTextBox(QWidget* parent = nullptr);

    // Shows `text` in the open box, or empties and closes it without one (text typed there could
    // go nowhere). Typing not taken yet stays as it is.
    void showText(const std::optional<QString>& text);
    // What the user typed since the box was filled, handed out once; nothing when the box is
    // untouched or closed.
    std::optional<QString> takeTyped();

signals:
    void focusLost(Qt::FocusReason reason);

protected:
    void focusOutEvent(QFocusEvent* event) override;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CTextBox.h"

#include <QFocusEvent>
#include <limits>

CTextBox::CTextBox(QWidget* parent) : QLineEdit(parent) {
    // A list's line may be of any length; the box's usual limit of 32767 characters would cut
    // a longer text short as it is shown, and the cut text would be saved.
    setMaxLength(std::numeric_limits<int>::max());
}

void CTextBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit focusLost(event->reason());
}

void CTextBox::showText(const std::optional<QString>& text) {
    const QString shown = text.value_or(QString());
    if (!isModified() && this->text() != shown) {
        setText(shown);
    }
    setEnabled(text.has_value());
}

std::optional<QString> CTextBox::takeTyped() {
    if (!isEnabled() || !isModified()) {
        return std::nullopt;
    }
    setModified(false);
    return text();
}

#include "editor/dialog/CTextBox.h"

#include <QFocusEvent>

CTextBox::CTextBox(QWidget* parent) : QLineEdit(parent) {}

void CTextBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit focusLost(event->reason());
}

// The one-line box in which an exercise's text is typed; it tells when the keyboard focus
// leaves it, which is when the text is stored.
#pragma once

#include <QLineEdit>

class CTextBox : public QLineEdit {
    Q_OBJECT

public:
    explicit CTextBox(QWidget* parent = nullptr);

signals:
    void focusLost(Qt::FocusReason reason);

protected:
    void focusOutEvent(QFocusEvent* event) override;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The small dialog that asks for the name of a new list or a new exercise: the prompt in the
// language of the content folder, one edit box that has the focus, OK and Cancel (in that language
// too). It accepts any
// text; its callers decide what a name may be.
#pragma once

#include "common/files/FileSystem.h"

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;

class CNewListDialog : public QDialog {
    Q_OBJECT

public:
    // Reads the language and the prompt anew, as every opening does.
    explicit CNewListDialog(const FileSystem& files, QWidget* parent = nullptr);

    QString prompt() const;
    // The text exactly as typed.
    QString name() const;

    // Runs the dialog modally: the typed text on OK, nothing on Cancel, Esc or the close box.
    static std::optional<QString> ask(const FileSystem& files, QWidget* parent);

private:
    QLabel* prompt_;
    QLineEdit* name_;
};

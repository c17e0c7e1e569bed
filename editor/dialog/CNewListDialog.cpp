// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CNewListDialog.h"

#include "common/content/Language.h"
#include "editor/dialog/QtText.h"
#include "editor/texts/EditorTexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CNewListDialog::CNewListDialog(const FileSystem& files, QWidget* parent)
    : QDialog(parent), prompt_(new QLabel(this)), name_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("newItemDialog"));
    const EditorTexts texts = EditorTexts::read(files, readLanguage(files));
    prompt_->setText(toQString(texts[EditorTexts::NewItemPrompt]));
    prompt_->setObjectName(QStringLiteral("prompt"));
    name_->setObjectName(QStringLiteral("name"));
    name_->setMinimumWidth(260);

    auto* cancel = new QPushButton(toQString(texts[EditorTexts::CancelButton]), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setAutoDefault(false);
    auto* ok = new QPushButton(toQString(texts[EditorTexts::OkButton]), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true); // Enter in the edit box means OK
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cancel);
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addWidget(name_);
    layout->addLayout(buttons);

    setWindowTitle(QString());
    name_->setFocus();
}

QString CNewListDialog::prompt() const {
    return prompt_->text();
}

QString CNewListDialog::name() const {
    return name_->text();
}

std::optional<QString> CNewListDialog::ask(const FileSystem& files, QWidget* parent) {
    CNewListDialog dialog(files, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.name();
}

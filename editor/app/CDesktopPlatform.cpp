// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/app/CDesktopPlatform.h"

#include "editor/dialog/CNewListDialog.h"

#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace {

const QString kCaption = QStringLiteral("vimoedit");

} // namespace

CEditorPlatform CDesktopPlatform::make(const FileSystem& files) {
    CEditorPlatform platform;
    platform.askYesNo = [](QWidget* parent, const QString& question) {
        return QMessageBox::question(parent, kCaption, question, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
    platform.showError = [](QWidget* parent, const QString& message) {
        QMessageBox::critical(parent, kCaption, message, QMessageBox::Ok);
    };
    platform.askName = [&files](QWidget* parent) { return CNewListDialog::ask(files, parent); };
    platform.askNewName = [](QWidget* parent, const QString& prompt,
                             const QString& current) -> std::optional<QString> {
        bool ok = false;
        const QString typed =
            QInputDialog::getText(parent, kCaption, prompt, QLineEdit::Normal, current, &ok);
        return ok ? std::optional(typed) : std::nullopt;
    };
    platform.chooseFiles = [](QWidget* parent, const QString& filter,
                              const std::filesystem::path& folder) {
        std::vector<std::filesystem::path> paths;
        for (const QString& chosen : QFileDialog::getOpenFileNames(
                 parent, QString(), QString::fromStdString(folder.string()), filter)) {
            paths.emplace_back(QFile::encodeName(chosen).toStdString());
        }
        return paths;
    };
    return platform;
}

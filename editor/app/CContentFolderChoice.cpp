// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/app/CContentFolderChoice.h"

#include "common/content/ContentFolder.h"
#include "common/files/DiskFileSystem.h"

#include <QFileDialog>
#include <QMessageBox>
#include <cstdio>
#include <system_error>

std::optional<std::filesystem::path> CContentFolderChoice::confirm(std::filesystem::path folder) {
    while (!looksLikeContentFolder(DiskFileSystem(folder))) {
        const std::string said = "The folder " + folder.string() + kNoContentReason;
        // Also on standard error, for the one who started it from a terminal or a script.
        std::fprintf(stderr, "vimoedit: %s\n", said.c_str());
        const QString question = QString::fromStdString(said) +
                                 QStringLiteral("\n\nChoose the folder that holds the content?");
        if (QMessageBox::question(nullptr, QStringLiteral("vimoedit"), question) !=
            QMessageBox::Yes) {
            return std::nullopt;
        }
        const QString chosen =
            QFileDialog::getExistingDirectory(nullptr, QStringLiteral("Vimo content folder"),
                                              QString::fromStdString(folder.string()));
        if (chosen.isEmpty()) {
            return std::nullopt;
        }
        folder = std::filesystem::path(chosen.toStdString());
    }
    // The editor takes every path relative to its current directory.
    std::error_code failed;
    std::filesystem::current_path(folder, failed);
    if (failed) {
        QMessageBox::critical(nullptr, QStringLiteral("vimoedit"),
                              QStringLiteral("The content folder cannot be opened: %1")
                                  .arg(QString::fromStdString(failed.message())));
        return std::nullopt;
    }
    return folder;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/app/CListEditorApp.h"

#include "common/audio/sdl/SdlSound.h"
#include "common/content/Language.h"
#include "common/files/DiskFileSystem.h"
#include "common/files/ProfileFileSystem.h"
#include "common/pictures/sdl/SvgRasterProcess.h"
#include "common/text/Utf8.h"
#include "editor/app/CContentFolderChoice.h"
#include "editor/app/CDesktopPlatform.h"
#include "editor/app/CQtTranslation.h"
#include "editor/app/CQuitSignals.h"
#include "editor/app/sdl/CSdlControllerButtons.h"
#include "editor/dialog/CChildChoice.h"
#include "editor/dialog/CListEditorDialog.h"
#include "editor/dialog/QtText.h"
#include "editor/texts/EditorTexts.h"

#include <QApplication>
#include <QMessageBox>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>
#include <utility>

int CListEditorApp::run() {
    std::error_code error;
    const std::filesystem::path contentFolder = std::filesystem::current_path(error);
    if (error) {
        // No content folder, so no language to speak: said in English.
        QMessageBox::critical(nullptr, QStringLiteral("vimoedit"),
                              QStringLiteral("The content folder cannot be read: %1")
                                  .arg(QString::fromStdString(error.message())));
        return 1;
    }
    const std::optional<std::filesystem::path> confirmed =
        CContentFolderChoice::confirm(contentFolder);
    if (!confirmed) {
        return 2;
    }
    // Declared in this order so the dialog goes first, then the sound, then the files.
    DiskFileSystem files(*confirmed);
    const CQtTranslation qtTexts(readLanguage(files));
    if (!system_.editor) {
        const EditorTexts texts = EditorTexts::read(files, readLanguage(files));
        QMessageBox::critical(
            nullptr, QStringLiteral("vimoedit"),
            toQString(texts.with(EditorTexts::EditorTurnedOff, fromUtf8(systemFile_.string()))));
        return 2;
    }
    // The sound back end also tries the sound files the editor takes in; without an audio device
    // it is silent and tells them by their kind alone.
    SdlSound sound(files);
    CEditorPlatform platform = CDesktopPlatform::make(files);
    platform.openControllers = &CSdlControllerButtons::open;
    platform.soundDecodes = [&sound](std::u16string_view path) { return sound.decodes(path); };
    platform.vectorDraws = [](std::span<const unsigned char> svg) {
        return SvgRasterProcess::drawsWithin(svg, kPictureBudget);
    };
    CListEditorDialog dialog(files, sound, std::move(platform));
    actOnChildren(dialog, *confirmed, files);
    // Ctrl+C, logout and a closed terminal end the editor as its close box does, without asking:
    // a question or file dialog that is up is cancelled first, and a list that cannot be written
    // is tried once and left on disk as it was.
    const CQuitSignals quitSignals([&dialog] {
        for (int tries = 0; tries < 8; ++tries) {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal == &dialog || !modal->close()) {
                break;
            }
        }
        dialog.endForTheSystem();
    });
    dialog.exec();
    return 0;
}

void CListEditorApp::actOnChildren(CListEditorDialog& dialog, const std::filesystem::path& content,
                                   FileSystem& files) {
    if (!profile_.empty()) {
        // A new child's folder; when it cannot be made, the dialogs say so as they write.
        std::error_code ignored;
        std::filesystem::create_directories(profile_, ignored);
    }
    const auto actOn = [this, &dialog, content](const std::filesystem::path& profile) {
        childFiles_.push_back(std::make_unique<ProfileFileSystem>(content, profile));
        dialog.actOnChild(*childFiles_.back(), system_.access);
    };
    if (!children_.empty()) {
        dialog.showChildChoice(*new CChildChoice(children_, profile_, CDesktopPlatform::make(files),
                                                 dialog.texts(), actOn, &dialog));
    } else if (!profile_.empty()) {
        actOn(profile_);
    } else {
        dialog.actOnChild(files, system_.access);
    }
}

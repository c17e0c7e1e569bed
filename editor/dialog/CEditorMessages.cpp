// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CEditorMessages.h"

#include "editor/dialog/QtText.h"
#include "editor/media/CFileErrorText.h"

#include <QSignalBlocker>
#include <QWidget>
#include <utility>

CEditorMessages::CEditorMessages(CEditorPlatform platform, const EditorTexts& texts,
                                 QWidget& window, QWidget& textBox)
    : platform_(std::move(platform)), texts_(texts), window_(window), textBox_(textBox) {}

bool CEditorMessages::ask(const QString& question) {
    const QSignalBlocker quiet(textBox_);
    return platform_.askYesNo(&window_, question);
}

void CEditorMessages::tell(const QString& message) {
    const QSignalBlocker quiet(textBox_);
    platform_.showError(&window_, message);
}

std::optional<QString> CEditorMessages::askName() {
    const QSignalBlocker quiet(textBox_);
    return platform_.askName(&window_);
}

std::optional<std::filesystem::path>
CEditorMessages::chooseFile(const QString& filter, const std::filesystem::path& folder) {
    const QSignalBlocker quiet(textBox_);
    return platform_.chooseFile(&window_, filter, folder);
}

void CEditorMessages::listGone(std::u16string_view path) {
    tell(toQString(texts_.with(EditorTexts::ListGone, path)));
}

void CEditorMessages::saveFailed(std::u16string_view path, std::uint32_t error) {
    tell(toQString(texts_[EditorTexts::SaveFailed] + std::u16string(path) + u"\n" +
                   CFileErrorText::writeFailureCause(texts_, error)));
}

void CEditorMessages::removeFailed(std::uint32_t error, std::u16string_view path) {
    tell(toQString(CFileErrorText::removeFailed(texts_, error, path)));
}

bool CEditorMessages::mayDeleteList(std::u16string_view name) {
    return ask(toQString(texts_[EditorTexts::DeleteListQuestion] + std::u16string(name) + u"?"));
}

bool CEditorMessages::mayReplaceList(std::u16string_view name) {
    return ask(toQString(texts_[EditorTexts::ReplaceListQuestion]).arg(inQuotes(name)));
}

bool CEditorMessages::mayWriteOverChangedList(std::u16string_view name) {
    return ask(QStringLiteral("The list %1 was changed on disk since it was opened, by another "
                              "editor or by hand. Write your version over it? Choose No to load "
                              "the list from the disk again; your last change is then dropped.")
                   .arg(inQuotes(name)));
}

bool CEditorMessages::mayDiscardUnsaved(std::u16string_view name) {
    return ask(toQString(texts_[EditorTexts::DiscardChangesQuestion]).arg(inQuotes(name)));
}

bool CEditorMessages::mayCloseUnsaved(std::u16string_view name) {
    return ask(toQString(texts_[EditorTexts::CloseUnsavedQuestion]).arg(inQuotes(name)));
}

void CEditorMessages::refuseListName(std::u16string_view name) {
    tell(toQString(texts_[EditorTexts::BadListName]).arg(inQuotes(name)));
}

QString CEditorMessages::inQuotes(std::u16string_view text) {
    return QStringLiteral("\"") + toQString(text) + QStringLiteral("\"");
}

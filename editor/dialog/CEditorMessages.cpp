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

std::vector<std::filesystem::path>
CEditorMessages::chooseFiles(const QString& filter, const std::filesystem::path& folder) {
    const QSignalBlocker quiet(textBox_);
    return platform_.chooseFiles(&window_, filter, folder);
}

void CEditorMessages::listGone(std::u16string_view path) {
    tell(QStringLiteral("The list %1 is no longer there.").arg(toQString(path)));
}

void CEditorMessages::saveFailed(std::u16string_view path) {
    tell(toQString(texts_[EditorTexts::SaveFailed] + std::u16string(path)));
}

void CEditorMessages::removeFailed(std::uint32_t error, std::u16string_view path) {
    tell(toQString(CFileErrorText::removeFailed(error, path)));
}

bool CEditorMessages::mayDeleteList(std::u16string_view name) {
    return ask(toQString(texts_[EditorTexts::DeleteListQuestion] + std::u16string(name) + u"?"));
}

bool CEditorMessages::mayReplaceList(std::u16string_view name) {
    return ask(QStringLiteral("A list named %1 exists already. Replace it with an empty list?")
                   .arg(inQuotes(name)));
}

bool CEditorMessages::mayDiscardUnsaved(std::u16string_view name) {
    return ask(QStringLiteral("The changes to the list %1 could not be saved. Discard them?")
                   .arg(inQuotes(name)));
}

bool CEditorMessages::mayCloseUnsaved(std::u16string_view name) {
    return ask(QStringLiteral("The list %1 could not be saved. Close the editor anyway? The "
                              "changes will be lost.")
                   .arg(inQuotes(name)));
}

void CEditorMessages::refuseListName(std::u16string_view name) {
    tell(QStringLiteral("%1 cannot be the name of a list. A name may not contain / \\ < > : \" | "
                        "? * or line breaks, be . or .., or end with a blank or a dot.")
             .arg(inQuotes(name)));
}

QString CEditorMessages::badFileName(std::u16string_view name) {
    return QStringLiteral("The file %1 cannot be copied into the content folder under this name. "
                          "Please rename it first.")
        .arg(inQuotes(name));
}

QString CEditorMessages::alreadyThere(std::u16string_view path) {
    return QStringLiteral("%1 is already there. Nothing was copied.").arg(toQString(path));
}

QString CEditorMessages::copyFailed(std::u16string_view path) {
    return QStringLiteral("The file could not be copied to %1.").arg(toQString(path));
}

QString CEditorMessages::notAPicture(std::u16string_view name) {
    return QStringLiteral("%1 is not a picture the game can show, so it was not copied. The game "
                          "shows PNG, JPEG, GIF, BMP, TIFF, WebP and SVG pictures of up to 16384 "
                          "pixels a side and 25 million pixels in all; please save it in one of "
                          "these formats first.")
        .arg(inQuotes(name));
}

QString CEditorMessages::playOrder(std::size_t place, std::size_t count) {
    return QStringLiteral("%1 of %2").arg(place).arg(count);
}

QString CEditorMessages::playEarlierTip() {
    return QStringLiteral("Play earlier");
}

QString CEditorMessages::playLaterTip() {
    return QStringLiteral("Play later");
}

QString CEditorMessages::inQuotes(std::u16string_view text) {
    return QStringLiteral("\"") + toQString(text) + QStringLiteral("\"");
}

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

std::optional<QString> CEditorMessages::askNewName(std::u16string_view current) {
    const QSignalBlocker quiet(textBox_);
    return platform_.askNewName(&window_, toQString(current));
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

namespace {

// The activities as the menu names them, 1 to 6.
QString activityNames(const std::vector<int>& activities) {
    static const char* const kNames[] = {
        "",         "Colour rings",     "Picture steps",  "Find images",
        "Painting", "Picture and word", "Moving pictures"};
    QStringList names;
    for (int activity : activities) {
        names.push_back(QString::fromLatin1(kNames[activity]));
    }
    return names.join(QStringLiteral(", "));
}

} // namespace

bool CEditorMessages::mayDeleteList(std::u16string_view name, const std::vector<int>& playedBy) {
    QString question =
        toQString(texts_[EditorTexts::DeleteListQuestion] + std::u16string(name) + u"?");
    if (!playedBy.empty()) {
        question += QStringLiteral("\n\nThe game's settings play this list in: %1. These "
                                   "activities will find no list until another one is chosen for "
                                   "them on the game's options screen.")
                        .arg(activityNames(playedBy));
    }
    return ask(question);
}

bool CEditorMessages::mayRenameList(std::u16string_view name, const std::vector<int>& playedBy) {
    return playedBy.empty() ||
           ask(QStringLiteral("The game's settings play the list %1 in: %2. Under a new name these "
                              "activities will find no list until it is chosen for them again on "
                              "the game's options screen. Rename it?")
                   .arg(inQuotes(name), activityNames(playedBy)));
}

bool CEditorMessages::mayDeleteFile(const std::u16string& question, std::u16string_view name,
                                    const std::vector<std::u16string>& usedBy) {
    QString asked = toQString(question) + QStringLiteral("\n\n") + toQString(name);
    if (!usedBy.empty()) {
        QStringList lists;
        for (const std::u16string& list : usedBy) {
            lists.push_back(inQuotes(list));
        }
        asked += QStringLiteral("\n\nThe lists %1 use it. Their exercises keep its name, and the "
                                "game will show or play nothing for it.")
                     .arg(lists.join(QStringLiteral(", ")));
    }
    return ask(asked);
}

void CEditorMessages::renameRefused(std::u16string_view name, bool taken) {
    tell(taken ? QStringLiteral("A list named %1 exists already. Please choose another name.")
                     .arg(inQuotes(name))
               : QStringLiteral("%1 differs from the list's name only in letter case, which not "
                                "every disk tells apart. Please choose another name.")
                     .arg(inQuotes(name)));
}

void CEditorMessages::renameFailed(std::uint32_t error, std::u16string_view path) {
    tell(QStringLiteral("The list %1 could not be renamed; it keeps its name. ")
             .arg(toQString(path)) +
         toQString(CFileErrorText::writeFailureCause(error)));
}

QString CEditorMessages::renamePrompt() {
    return QStringLiteral("Please enter the new name.");
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

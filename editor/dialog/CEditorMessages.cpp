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
    tell(toQString(texts_.with(EditorTexts::ListGone, path)));
}

void CEditorMessages::saveFailed(std::u16string_view path, std::uint32_t error) {
    tell(toQString(texts_[EditorTexts::SaveFailed] + std::u16string(path) + u"\n" +
                   CFileErrorText::writeFailureCause(texts_, error)));
}

void CEditorMessages::removeFailed(std::uint32_t error, std::u16string_view path) {
    tell(toQString(CFileErrorText::removeFailed(texts_, error, path)));
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
         toQString(CFileErrorText::writeFailureCause(texts_, error)));
}

QString CEditorMessages::renamePrompt() {
    return QStringLiteral("Please enter the new name.");
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

void CEditorMessages::refuseListName(std::u16string_view name, CItemName::Fault fault) {
    tell(QStringLiteral("%1 cannot be the name of a list: %2. Please choose another name.")
             .arg(inQuotes(name), nameFault(fault)));
}

void CEditorMessages::refuseFolderName(std::u16string_view name) {
    tell(QStringLiteral("%1 cannot be the name of a list: the game keeps a folder of that name "
                        "beside the lists. Please choose another name.")
             .arg(inQuotes(name)));
}

QString CEditorMessages::nameFault(CItemName::Fault fault) {
    switch (fault) {
    case CItemName::Fault::None:
        break;
    case CItemName::Fault::NoName:
        return QStringLiteral("a name must hold more than dots");
    case CItemName::Fault::Character:
        return QStringLiteral("it contains a character that is not allowed in a name (one of "
                              "/ \\ < > : \" | ? * or a line break)");
    case CItemName::Fault::Ending:
        return QStringLiteral("it ends with a blank or a dot, which Windows leaves out");
    case CItemName::Fault::Device:
        return QStringLiteral("Windows keeps this name for a device (CON, PRN, AUX, NUL, COM1 to "
                              "COM9, LPT1 to LPT9, with any extension)");
    case CItemName::Fault::Temporary:
        return QStringLiteral("the editor keeps names of this form for files it is saving");
    case CItemName::Fault::TooLong:
        return QStringLiteral("it is too long: a name may have at most 255 bytes, which is 255 "
                              "plain letters or fewer with accents");
    }
    return {};
}

bool CEditorMessages::mayCopyAs(std::u16string_view name, CItemName::Fault fault,
                                std::u16string_view corrected) {
    return ask(QStringLiteral("The file %1 cannot be copied under this name: %2. Copy it as %3?")
                   .arg(inQuotes(name), nameFault(fault), inQuotes(corrected)));
}

void CEditorMessages::listChosenInstead(std::u16string_view typed, std::u16string_view listed) {
    tell(QStringLiteral("There is a list named %1 already, which differs from %2 only in "
                        "letter case. It is chosen now and was left as it is. To make a new "
                        "list, please choose another name.")
             .arg(inQuotes(listed), inQuotes(typed)));
}

void CEditorMessages::linesAfterEnd(std::u16string_view name, std::size_t count) {
    tell(QStringLiteral("The list %1 has an empty line where the name of an exercise should be. "
                        "The game stops reading the list there and never shows the %2 lines "
                        "after it, so the editor shows only the exercises before it. Before the "
                        "list is saved, you will be asked whether to leave those lines out.")
             .arg(inQuotes(name))
             .arg(count));
}

bool CEditorMessages::mayDropLinesAfterEnd(std::u16string_view name, std::size_t count) {
    return ask(QStringLiteral("Saving the list %1 keeps only the exercises shown: the %2 lines "
                              "after its empty line, which the game never shows, will be left "
                              "out. Save it this way? No leaves the file as it is.")
                   .arg(inQuotes(name))
                   .arg(count));
}

void CEditorMessages::chooseExerciseFirst() {
    tell(QStringLiteral("Please choose an exercise first, or add one with the plus button under "
                        "the Exercise column. A picture, sound or speech clicked then goes to "
                        "that exercise."));
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

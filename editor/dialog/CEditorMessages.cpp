// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CEditorMessages.h"

#include "editor/dialog/QtText.h"
#include "editor/media/CFileErrorText.h"

#include <QSignalBlocker>
#include <QWidget>
#include <cstdio>
#include <utility>

CEditorMessages::CEditorMessages(CEditorPlatform platform, const EditorTexts& texts,
                                 QWidget& window, QWidget& textBox)
    : platform_(std::move(platform)), texts_(texts), window_(window), textBox_(textBox) {}

bool CEditorMessages::ask(const QString& question) {
    if (unattended_) {
        return false;
    }
    const QSignalBlocker quiet(textBox_);
    return platform_.askYesNo(&window_, question);
}

void CEditorMessages::tell(const QString& message) {
    if (unattended_) {
        std::fprintf(stderr, "vimoedit: %s\n", message.toUtf8().constData());
        return;
    }
    const QSignalBlocker quiet(textBox_);
    platform_.showError(&window_, message);
}

std::optional<QString> CEditorMessages::askName() {
    const QSignalBlocker quiet(textBox_);
    return platform_.askName(&window_);
}

std::optional<QString> CEditorMessages::askNewName(std::u16string_view current) {
    const QSignalBlocker quiet(textBox_);
    return platform_.askNewName(&window_, text(EditorTexts::RenamePrompt), toQString(current));
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

QString CEditorMessages::text(EditorTexts::Text text) const {
    return toQString(texts_[text]);
}

QString CEditorMessages::activityNames(const std::vector<GameScreen>& activities) const {
    QStringList names;
    for (GameScreen activity : activities) {
        names.push_back(toQString(texts_.activityName(activity)));
    }
    return names.join(QStringLiteral(", "));
}

bool CEditorMessages::mayDeleteList(std::u16string_view name,
                                    const std::vector<GameScreen>& playedBy) {
    QString question =
        toQString(texts_[EditorTexts::DeleteListQuestion] + std::u16string(name) + u"?");
    if (!playedBy.empty()) {
        question += QStringLiteral("\n\n") +
                    text(EditorTexts::DeletePlayedList).arg(activityNames(playedBy));
    }
    return ask(question);
}

void CEditorMessages::settingsNotFollowed(std::u16string_view name,
                                          const std::vector<GameScreen>& playedBy,
                                          std::uint32_t error) {
    tell(text(EditorTexts::SettingsNotFollowed).arg(inQuotes(name), activityNames(playedBy)) +
         QStringLiteral(" ") + toQString(CFileErrorText::writeFailureCause(texts_, error)));
}

bool CEditorMessages::mayDeleteFile(const std::u16string& question, std::u16string_view name,
                                    const std::vector<std::u16string>& usedBy) {
    QString asked = toQString(question) + QStringLiteral("\n\n") + toQString(name);
    if (!usedBy.empty()) {
        QStringList lists;
        for (const std::u16string& list : usedBy) {
            lists.push_back(inQuotes(list));
        }
        asked += QStringLiteral("\n\n") +
                 text(EditorTexts::FileUsedByLists).arg(lists.join(QStringLiteral(", ")));
    }
    return ask(asked);
}

void CEditorMessages::renameRefused(std::u16string_view name, bool taken) {
    tell(text(taken ? EditorTexts::RenameTaken : EditorTexts::RenameCaseOnly).arg(inQuotes(name)));
}

void CEditorMessages::renameFailed(std::uint32_t error, std::u16string_view path) {
    tell(text(EditorTexts::RenameFailed).arg(toQString(path)) + QStringLiteral(" ") +
         toQString(CFileErrorText::writeFailureCause(texts_, error)));
}

bool CEditorMessages::mayReplaceList(std::u16string_view name) {
    return ask(toQString(texts_[EditorTexts::ReplaceListQuestion]).arg(inQuotes(name)));
}

bool CEditorMessages::mayWriteOverChangedList(std::u16string_view name) {
    return ask(text(EditorTexts::WriteOverChangedListQuestion).arg(inQuotes(name)));
}

bool CEditorMessages::mayDiscardUnsaved(std::u16string_view name) {
    return ask(toQString(texts_[EditorTexts::DiscardChangesQuestion]).arg(inQuotes(name)));
}

bool CEditorMessages::mayCloseUnsaved(std::u16string_view name) {
    if (unattended_) {
        std::fprintf(stderr,
                     "vimoedit: ending without the changes to %s that could not be saved; "
                     "the list on disk is as it was\n",
                     inQuotes(name).toUtf8().constData());
        return true;
    }
    return ask(toQString(texts_[EditorTexts::CloseUnsavedQuestion]).arg(inQuotes(name)));
}

void CEditorMessages::refuseListName(std::u16string_view name, CItemName::Fault fault) {
    tell(text(EditorTexts::RefuseListName).arg(inQuotes(name), nameFault(fault)));
}

void CEditorMessages::refuseFolderName(std::u16string_view name) {
    tell(text(EditorTexts::RefuseFolderName).arg(inQuotes(name)));
}

QString CEditorMessages::nameFault(CItemName::Fault fault) const {
    switch (fault) {
    case CItemName::Fault::None:
        break;
    case CItemName::Fault::NoName:
        return text(EditorTexts::NameHasOnlyDots);
    case CItemName::Fault::Character:
        return text(EditorTexts::NameHasBadCharacter);
    case CItemName::Fault::Ending:
        return text(EditorTexts::NameEndsBadly);
    case CItemName::Fault::Device:
        return text(EditorTexts::NameIsDevice);
    case CItemName::Fault::Temporary:
        return text(EditorTexts::NameIsTemporary);
    case CItemName::Fault::TooLong:
        return text(EditorTexts::NameTooLong);
    }
    return {};
}

bool CEditorMessages::mayCopyAs(std::u16string_view name, CItemName::Fault fault,
                                std::u16string_view other) {
    const QString why =
        fault == CItemName::Fault::None ? text(EditorTexts::NameTaken) : nameFault(fault);
    return ask(text(EditorTexts::CopyAsQuestion).arg(inQuotes(name), why, inQuotes(other)));
}

void CEditorMessages::listChosenInstead(std::u16string_view typed, std::u16string_view listed) {
    tell(text(EditorTexts::ListChosenInstead).arg(inQuotes(listed), inQuotes(typed)));
}

// The name and the count are filled in in one pass, so a name holding "%2" stays as it is.
void CEditorMessages::linesAfterEnd(std::u16string_view name, std::size_t count) {
    tell(text(EditorTexts::LinesAfterEnd).arg(inQuotes(name), QString::number(count)));
}

bool CEditorMessages::mayDropLinesAfterEnd(std::u16string_view name, std::size_t count) {
    return ask(
        text(EditorTexts::DropLinesAfterEndQuestion).arg(inQuotes(name), QString::number(count)));
}

void CEditorMessages::chooseExerciseFirst() {
    tell(text(EditorTexts::ChooseExerciseFirst));
}

QString CEditorMessages::pictureRefused(std::u16string_view name, const PictureRefusal& why) const {
    switch (why.cause) {
    case PictureRefusalCause::TooLarge:
        return text(EditorTexts::PictureTooLarge)
            .arg(inQuotes(name), QString::number(why.width), QString::number(why.height));
    case PictureRefusalCause::FormatNotShown:
        return text(EditorTexts::PictureFormatNotShown)
            .arg(inQuotes(name),
                 QString::fromLatin1(why.format.data(), static_cast<qsizetype>(why.format.size())));
    case PictureRefusalCause::NotAPicture:
        break;
    }
    return text(EditorTexts::NotAPicture).arg(inQuotes(name));
}

bool CEditorMessages::vectorDraws(const std::string& bytes) const {
    return !platform_.vectorDraws ||
           platform_.vectorDraws(
               std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
}

QString CEditorMessages::pictureTooDemanding(std::u16string_view name) const {
    return text(EditorTexts::PictureTooDemanding).arg(inQuotes(name));
}

bool CEditorMessages::soundDecodes(std::u16string_view path) const {
    return !platform_.soundDecodes || platform_.soundDecodes(path);
}

QString CEditorMessages::notASound(std::u16string_view name, bool mpeg4) const {
    return text(mpeg4 ? EditorTexts::NotASoundButMpeg4 : EditorTexts::NotASound)
        .arg(inQuotes(name));
}

QString CEditorMessages::playOrder(std::size_t place, std::size_t count) const {
    return text(EditorTexts::PlayOrder).arg(QString::number(place), QString::number(count));
}

QString CEditorMessages::inQuotes(std::u16string_view text) {
    return QStringLiteral("\"") + toQString(text) + QStringLiteral("\"");
}

std::unique_ptr<ControllerButtons> CEditorMessages::openControllers() const {
    return platform_.openControllers ? platform_.openControllers() : nullptr;
}

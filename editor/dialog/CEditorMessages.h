// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window says and asks through the desktop's dialogs: questions, error messages,
// the name of a new item, a file to copy in, and the list session's conversation. While one is
// up the text box's leaving is not reported: the dialog, not the user, took the focus from it.
#pragma once

#include "common/pictures/PictureRefusal.h"
#include "editor/lists/CItemName.h"
#include "editor/lists/CListConversation.h"
#include "editor/platform/CEditorPlatform.h"
#include "editor/texts/EditorTexts.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

class QWidget;

class CEditorMessages : public CListConversation {
public:
    // `texts` gives the sentences of the language, `window` is the dialogs' parent and
    // `textBox` is kept quiet. All three must outlive this.
    CEditorMessages(CEditorPlatform platform, const EditorTexts& texts, QWidget& window,
                    QWidget& textBox);

    bool ask(const QString& question);
    void tell(const QString& message);
    // From now on no one is there to answer (the system is ending the editor): what would be told
    // goes to standard error, every question is answered No, and the editor may end with changes
    // it could not write, leaving the list on disk as it was.
    void answerUnattended() { unattended_ = true; }
    std::optional<QString> askName();
    std::optional<QString> askNewName(std::u16string_view current);
    std::vector<std::filesystem::path> chooseFiles(const QString& filter,
                                                   const std::filesystem::path& folder);

    // What is said and asked about lists; `path` is relative to the content folder.
    void listGone(std::u16string_view path) override;
    // The list at `path` could not be written, for the system's `error`.
    void saveFailed(std::u16string_view path, std::uint32_t error) override;
    void removeFailed(std::uint32_t error, std::u16string_view path);
    // `playedBy` are the activities the game's settings give the list to.
    bool mayDeleteList(std::u16string_view name, const std::vector<GameScreen>& playedBy = {});
    // The list was renamed to `name`, but the game's settings, which give it to `playedBy`,
    // could not be changed to that name, for the system's `error`.
    void settingsNotFollowed(std::u16string_view name, const std::vector<GameScreen>& playedBy,
                             std::uint32_t error);
    // The kind's question, the file's name and the lists that name it.
    bool mayDeleteFile(const std::u16string& question, std::u16string_view name,
                       const std::vector<std::u16string>& usedBy);
    void renameRefused(std::u16string_view name, bool taken);
    void renameFailed(std::uint32_t error, std::u16string_view path);
    bool mayReplaceList(std::u16string_view name);
    bool mayDiscardUnsaved(std::u16string_view name) override;
    bool mayCloseUnsaved(std::u16string_view name) override;
    // Yes writes over a list changed on disk since it was opened; No loads it again.
    bool mayWriteOverChangedList(std::u16string_view name) override;
    void refuseListName(std::u16string_view name, CItemName::Fault fault);
    void refuseFolderName(std::u16string_view name);
    // Why a name cannot be a file; the start of a sentence, to be followed by a full stop.
    QString nameFault(CItemName::Fault fault) const;
    // A file picked to copy in whose name is refused for `fault`, or taken by another file (None):
    // may it be copied as `other`?
    bool mayCopyAs(std::u16string_view name, CItemName::Fault fault, std::u16string_view other);
    // A list typed as new whose name differs from `listed` only in letter case.
    void listChosenInstead(std::u16string_view typed, std::u16string_view listed);
    // A list whose file holds `count` lines after the empty line that ends it.
    void linesAfterEnd(std::u16string_view name, std::size_t count) override;
    bool mayDropLinesAfterEnd(std::u16string_view name, std::size_t count) override;
    // A picture, sound or speech clicked while no exercise is chosen.
    void chooseExerciseFirst();

    // Listens to game controllers while the result lives; nothing when there are none to hear.
    std::unique_ptr<ControllerButtons> openControllers() const;

    // Why the file `name` was not copied in: it is no picture the game can show, for the reason
    // `why` gives.
    QString pictureRefused(std::u16string_view name, const PictureRefusal& why) const;
    // Whether the sound file `path` of the content folder plays, as far as the platform can tell.
    bool soundDecodes(std::u16string_view path) const;
    // Whether the game draws the SVG picture of `bytes` within its budget; an SVG copied in
    // that it does not is refused with pictureTooDemanding.
    bool vectorDraws(const std::string& bytes) const;
    QString pictureTooDemanding(std::u16string_view name) const;
    // Why the file `name` was not copied in: it is no sound the game can play; what a phone's M4A
    // recording needs, when it is one.
    QString notASound(std::u16string_view name, bool mpeg4) const;

    // The play order: "3 of 12".
    QString playOrder(std::size_t place, std::size_t count) const;

    static QString inQuotes(std::u16string_view text);

private:
    QString text(EditorTexts::Text text) const;
    // The activities as the game's menu names them, in the language's words.
    QString activityNames(const std::vector<GameScreen>& activities) const;

    CEditorPlatform platform_;
    const EditorTexts& texts_;
    QWidget& window_;
    QWidget& textBox_;
    bool unattended_ = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The Image, Sound and Speech columns over their media folders: their entries, the files of an
// exercise they show, the preview's picture, and copying a file in or deleting one at the user's
// word. Which exercise is shown and what it names is the edited list's business.
#pragma once

#include "common/audio/Sound.h"
#include "common/content/Exercise.h"
#include "common/files/FileSystem.h"
#include "editor/dialog/CEditorControls.h"
#include "editor/media/CMediaFolder.h"
#include "editor/texts/EditorTexts.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class CEditorMessages;
class CSortedColumn;

class CMediaColumns {
public:
    // Everything handed in must outlive this.
    CMediaColumns(FileSystem& files, const std::u16string& language, const EditorTexts& texts,
                  CEditorControls& controls, CEditorMessages& messages);

    CMediaFolder& folder(CMediaKind::Kind kind) { return folders_[static_cast<std::size_t>(kind)]; }

    void fill(CMediaKind::Kind kind);
    void fillAll();
    // Chooses in each column the file `exercise` names, none without an exercise, and shows
    // the chosen picture in the preview.
    void show(const Exercise* exercise);
    // The file the column's chosen entry stands for; empty for the None entry, nothing when no
    // entry is chosen.
    std::optional<std::u16string> chosenFile(CMediaKind::Kind kind) const;
    // Plays the chosen sound or speech once; a picture or the None entry plays nothing.
    void playChosen(CMediaKind::Kind kind, Sound& sound);

    // Copies the files the user picks into the kind's folder, offering them without assigning
    // them.
    void addFile(CMediaKind::Kind kind);
    // Copies files into the kind's folder under their own names, never over a file there, and
    // pictures and sounds only when the game can show or play them; a name refused or taken is
    // offered corrected or numbered. What was not copied is told, with why.
    void copyIn(CMediaKind::Kind kind, const std::vector<std::filesystem::path>& sources);
    // Deletes the chosen file, or the file `name`, once the user agrees; the exercises keep the
    // names they hold.
    void deleteFile(CMediaKind::Kind kind);
    void deleteFile(CMediaKind::Kind kind, const std::u16string& name);

private:
    CSortedColumn& column(CMediaKind::Kind kind) const;
    void showPicture();
    // Why the copy `name` just made in `into` cannot stay: a picture the game cannot show or a
    // sound it cannot play, which is taken out again, since it could only show or play nothing.
    // Nothing when the copy stays.
    std::optional<QString> refuseCopy(CMediaFolder& into, const std::u16string& name);
    // A file whose own name is refused, or taken by another file, is offered under a corrected
    // or a free one; nothing when the user declines. `name` becomes the name it was copied under.
    std::optional<CMediaFolder::CopyResult> copyUnderOtherName(CMediaFolder& into,
                                                               const std::filesystem::path& source,
                                                               std::u16string& name,
                                                               std::uint32_t& error);

    FileSystem& files_;
    std::u16string language_;
    const EditorTexts& texts_;
    CEditorControls& controls_;
    CEditorMessages& messages_;
    std::array<CMediaFolder, 3> folders_;
};

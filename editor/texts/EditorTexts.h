// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's user-interface texts: the built-in English ones, replaced line by line by the
// language's files. The first thirteen, the column titles, the prompt and the questions before
// deleting, come from data\<language>\Tool\tool.txt; the editor's other messages come from
// data\<language>\Tool\editor.txt beside it.
#pragma once

#include "common/content/LanguageTexts.h"
#include "common/files/FileSystem.h"

#include <array>
#include <string>
#include <string_view>

class EditorTexts {
public:
    // In the order of the lines of tool.txt, then of editor.txt. To add a text: one entry at the
    // end here, its English at the same place in kEnglish, and one line at the end of every
    // language's editor.txt (the demo content's come from tools/content/texts.py). Entries are
    // only ever appended, so the files of older installations keep their meaning.
    enum Text {
        // tool.txt
        ListTitle,
        ExerciseTitle,
        ImageTitle,
        SoundTitle,
        SpeechTitle,
        TextTitle,
        NoneEntry,
        NewItemPrompt,
        DeleteListQuestion,
        DeleteImageQuestion,
        DeleteSoundQuestion,
        DeleteSpeechQuestion,
        SaveFailed,
        // editor.txt; %1 stands for the name or path the message is about
        ListGone,
        ReplaceListQuestion,
        DiscardChangesQuestion,
        CloseUnsavedQuestion,
        BadListName,
        BadFileName,
        FileAlreadyThere,
        CopyFailed,
        RemoveNotFound,
        RemoveInvalidPath,
        RemoveDenied,
        RemoveSharingViolation,
        RemoveLockingViolation,
        RemoveUnknownError,
        DiskFull,
        ReadOnly,
        NoWritePermission,
        FolderMissing,
        FolderHasThatName,
        FileHasThatName,
        DiskError,
        ImageFiles,
        SoundFiles,
        OkButton,
        CancelButton,
        Count
    };
    static constexpr int kToolTexts = ListGone;

    static constexpr std::array<std::u16string_view, Count> kEnglish = {
        u"List",
        u"Exercise",
        u"Image",
        u"Sound",
        u"Speech",
        u"Text",
        u" None", // the blank sorts it above every file name
        u"Please enter the name for the new item.",
        u"Really delete list ", // the list's name and "?" follow
        u"Really delete image file?",
        u"Really delete sound file?",
        u"Really delete speech file?",
        u"The output file could not be opened. Save aborted. File: ", // the path follows
        u"The list %1 is no longer there.",
        u"A list named %1 exists already. Replace it with an empty list?",
        u"The changes to the list %1 could not be saved. Discard them?",
        u"The list %1 could not be saved. Close the editor anyway? The changes will be lost.",
        u"%1 cannot be the name of a list. A name may not contain / \\ < > : \" | ? * or line "
        u"breaks, be . or .., or end with a blank or a dot.",
        u"The file %1 cannot be copied into the content folder under this name. Please rename "
        u"it first.",
        u"%1 is already there. Nothing was copied.",
        u"The file could not be copied to %1.",
        u"%1 was not found.",
        u"%1 contains an invalid path.",
        u"Access to %1 was denied.",
        u"A sharing violation occurred while accessing %1.",
        u"A locking violation occurred while accessing %1.",
        u"An unknown error occurred while accessing %1.",
        u"The disk is full.",
        u"The file or folder is read-only.",
        u"You have no permission to write there.",
        u"Its folder is missing.",
        u"A folder has that name.",
        u"A file of that name is already there.",
        u"The disk reported an error.",
        u"Image Files", // the file dialog's filter, before its patterns
        u"Sound Files",
        u"OK",
        u"Cancel",
    };
    static_assert(noneEmpty(kEnglish), "every text needs its English");

    // The built-in English texts.
    EditorTexts();

    // The texts of `language`. Line n of its tool.txt replaces text n; lines the file lacks keep
    // their English text, an empty line gives an empty text, lines after the thirteenth are not
    // read. Line n of editor.txt replaces the n-th text after those, where it is there and not
    // empty. Missing or unreadable files leave the English texts.
    static EditorTexts read(const FileSystem& files, std::u16string_view language);

    static std::u16string pathOf(std::u16string_view language);
    static std::u16string messagesPathOf(std::u16string_view language);

    const std::u16string& operator[](Text text) const { return texts_[text]; }

    // Text `text` with %1 replaced by `value`.
    std::u16string with(Text text, std::u16string_view value) const {
        return fillIn(texts_[text], {value});
    }

private:
    std::array<std::u16string, Count> texts_;
};

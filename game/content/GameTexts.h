// SPDX-License-Identifier: GPL-3.0-or-later
// The game's few fixed words in the content's language: the splash notice, the missing-list and
// unreadable-list messages and their captions, the about picture's version line and the message
// when the settings cannot be saved. They are read from data\<language>\Options\vimo.txt, one text
// per line in the order of `Text`, over the built-in English ones.
#pragma once

#include "common/content/LanguageTexts.h"
#include "common/files/FileSystem.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

class GameTexts {
public:
    // In the order of the lines of vimo.txt. To add a text: one entry here, its English at the
    // same place in kEnglish, and one line at the same place in every language's vimo.txt (the
    // demo content's come from tools/content/texts.py). Entries are only ever appended, so the
    // files of older installations keep their meaning.
    enum Text {
        CopyrightNotice,
        ListMissing,
        ListMissingCaption,
        VersionLine,
        // the options screen's message when the settings cannot be written
        SettingsNotSavedCaption,
        SettingsNotSaved,
        DiskFull,
        DiskFullFix,
        ReadOnly,
        ReadOnlyFix,
        NoWritePermission,
        NoWritePermissionFix,
        OptionsFolderMissing,
        OptionsFolderMissingFix,
        FolderHasSettingsName,
        FolderHasSettingsNameFix,
        DiskError,
        DiskErrorFix,
        // a list that is there but cannot be read
        ListUnreadableCaption,
        ListUnreadable,
        ListLineTooLong,
        Count
    };

    static constexpr std::array<std::u16string_view, Count> kEnglish = {
        u"Vimo \u00a9 2026 the Vimo developers. Free software.",
        u"A list is missing: %1", // the list's path
        u"Error - list is missing.",
        u"Version 1.0",
        u"Error - settings not saved.",
        u"The settings could not be saved. %1 The changes hold until Vimo ends. To keep them, %2, "
        u"then open the options screen and leave it again.", // %1: a cause, %2: its fix
        u"The disk is full.",
        u"free some space on the disk",
        u"The folder is read-only.",
        u"make the options folder writable",
        u"Vimo may not write there.",
        u"give the user who runs Vimo permission to write in the options folder",
        u"The options folder is missing.",
        u"make a folder named options in the content folder, after renaming any file of that name",
        u"A folder has the name of the settings file.",
        u"remove the folder options/vimo.opt",
        u"The disk reported an error.",
        u"check the disk",
        u"Error - list cannot be read.",
        u"A list cannot be read: %1. %2 Choose another list on the options screen, or mend this "
        u"one in the list editor.", // %1: the list's path, %2: a cause
        u"One of its lines is far too long.",
    };
    static_assert(noneEmpty(kEnglish), "every text needs its English");

    // The built-in English texts.
    GameTexts();

    static GameTexts read(const FileSystem& files, std::u16string_view language);
    static std::u16string pathOf(std::u16string_view language);

    const std::u16string& operator[](Text text) const { return texts_[text]; }

private:
    std::vector<std::u16string> texts_;
};

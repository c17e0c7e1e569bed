// SPDX-License-Identifier: GPL-3.0-or-later
// Who uses what, asked before something is deleted or renamed: which lists name a picture, sound
// or speech file, and which activities the game's settings (options\vimo.opt) give a list to
// play; and those settings following a list to its new name.
#pragma once

#include "common/content/Exercise.h"
#include "common/content/GameScreen.h"
#include "common/files/FileSystem.h"
#include "editor/lists/CListFolder.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CListUsers {
public:
    // The names of the lists in `lists` with an exercise whose `field` names `fileName` (letter
    // case ignored, as the game finds files), in the order the folder lists them.
    static std::vector<std::u16string> listsNaming(const CListFolder& lists,
                                                   std::u16string Exercise::*field,
                                                   std::u16string_view fileName);

    // The activities, in the menu's order, whose list in the game's settings is `name`, in any
    // letter case, as the game finds it. None when the settings cannot be read.
    static std::vector<GameScreen> activitiesPlaying(const CListFolder& lists,
                                                     std::u16string_view name);

    // Every list line of the game's settings that names `oldName`, in any letter case, names
    // `newName` instead; the file is replaced safely. True when done or when no line names it;
    // false, the settings left as they were, when they cannot be read whole or written (with
    // the system's `error`).
    static bool followRename(FileSystem& files, std::u16string_view oldName,
                             std::u16string_view newName, std::uint32_t& error);
};

// SPDX-License-Identifier: GPL-3.0-or-later
// What makes a folder a content folder, as the game and the editor both tell it before they
// start: a folder without it would show an empty screen, or empty columns, with nothing to say.
#pragma once

#include "common/files/FileSystem.h"

// True when the root of `files` holds the language file or the menu pictures. Either is enough,
// so a content folder with a part missing still opens.
bool looksLikeContentFolder(const FileSystem& files);

// What the user is told when it does not, after "The folder <path>".
inline constexpr const char* kNoContentReason =
    " holds no Vimo content (no data/lang.txt and no gfx/menu).";

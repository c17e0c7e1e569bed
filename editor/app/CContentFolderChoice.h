// SPDX-License-Identifier: GPL-3.0-or-later
// Before the editor opens: a folder that holds no content is said to, as the game says it, and
// the user may choose the content folder instead. Said in English, as the game says it: without
// a content folder there is no language to speak.
#pragma once

#include <filesystem>
#include <optional>

class CContentFolderChoice {
public:
    // The content folder to work in: `folder` when it looks like one, else the one the user
    // chooses, made the current directory; nothing when the user gives up.
    static std::optional<std::filesystem::path> confirm(std::filesystem::path folder);
};

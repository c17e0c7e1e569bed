// SPDX-License-Identifier: GPL-3.0-or-later
// The real desktop dialogs behind the editor's questions, messages, new-item names and file
// choices, all captioned with the program's name.
#pragma once

#include "common/files/FileSystem.h"
#include "editor/platform/CEditorPlatform.h"

class CDesktopPlatform {
public:
    // The dialogs read the new-item prompt through `files`, which must outlive them.
    static CEditorPlatform make(const FileSystem& files);
};

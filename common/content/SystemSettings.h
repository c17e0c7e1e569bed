// SPDX-License-Identifier: GPL-3.0-or-later
// The settings a computer's administrator gives every account, in /etc/vimo/vimo.conf: a shared
// content folder, the language of a first start, the lock on the options screen, whether the
// list editor may be started, and defaults for the switch-access settings. They are `name=value`
// lines; a line starting with # and a line not understood are passed over, and a missing file
// changes nothing. An account's own settings win over these.
#pragma once

#include "common/content/AccessSettings.h"
#include "common/files/FileSystem.h"

#include <filesystem>
#include <string>

struct SystemSettings {
    // The content folder every account plays from when none is named; empty: none.
    std::filesystem::path content;
    // The language of a first start, as data\lang.txt would name it; empty: the content's own.
    std::u16string language;
    // The options screen opens only when its button is held for the lock hold time.
    bool optionsLock = false;
    // The list editor may be started.
    bool editor = true;
    // What an account's options\access.opt starts from: its lines win over these.
    AccessSettings access;

    bool operator==(const SystemSettings&) const = default;
};

// Where the system file is: `overridePath` (the environment's VIMO_SYSTEM_CONFIG, for tests)
// when it is given and not empty, else /etc/vimo/vimo.conf.
std::filesystem::path systemSettingsPath(const char* overridePath);

// The settings `file` holds; the defaults, which change nothing, when it cannot be read.
SystemSettings readSystemSettings(const std::filesystem::path& file);

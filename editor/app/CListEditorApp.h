// SPDX-License-Identifier: GPL-3.0-or-later
// The editor program: it takes the current directory as the content folder (or, when that holds
// no content, the one the user chooses), opens the sound back end and runs the main dialog until
// it ends. It owns the file layer and the sound, which outlive the dialog. A computer's
// administrator may turn it off; a child's profile gets the switch settings and the session log.
#pragma once

#include "common/content/SystemSettings.h"

#include <filesystem>

class CListEditorApp {
public:
    // `profile`: the child's folder, absolute; empty for the content folder's own settings and
    // log. `system` was read from `systemFile`.
    CListEditorApp(std::filesystem::path profile, SystemSettings system,
                   std::filesystem::path systemFile)
        : profile_(std::move(profile)), system_(std::move(system)),
          systemFile_(std::move(systemFile)) {}

    // Runs the editor to its end; the program's exit status.
    int run();

private:
    std::filesystem::path profile_;
    SystemSettings system_;
    std::filesystem::path systemFile_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The editor program: it takes the current directory as the content folder (or, when that holds
// no content, the one the user chooses), opens the sound back end and runs the main dialog until
// it ends. It owns the file layer and the sound, which outlive the dialog. A computer's
// administrator may turn it off; a child's profile gets the switch settings and the session log,
// or, given the folder of all the children's profiles, the child chosen in the dialog.
#pragma once

#include "common/content/SystemSettings.h"
#include "common/files/ProfileFileSystem.h"

#include <filesystem>
#include <memory>
#include <vector>

class CListEditorDialog;

class CListEditorApp {
public:
    // `profile`: the child's folder, absolute; empty for the content folder's own settings and
    // log. `children`: the folder of the profiles to choose among, absolute; empty for no choice.
    // `system` was read from `systemFile`.
    CListEditorApp(std::filesystem::path profile, std::filesystem::path children,
                   SystemSettings system, std::filesystem::path systemFile)
        : profile_(std::move(profile)), children_(std::move(children)), system_(std::move(system)),
          systemFile_(std::move(systemFile)) {}

    // Runs the editor to its end; the program's exit status.
    int run();

private:
    // Gives `dialog` the child its Switch settings and Session log act on, or the choice of it.
    void actOnChildren(CListEditorDialog& dialog, const std::filesystem::path& content,
                       FileSystem& files);

    std::filesystem::path profile_;
    std::filesystem::path children_;
    SystemSettings system_;
    std::filesystem::path systemFile_;
    // Every child's files the dialog was given, kept to the end: a window the dialog opened may
    // still refer to a child chosen before.
    std::vector<std::unique_ptr<ProfileFileSystem>> childFiles_;
};

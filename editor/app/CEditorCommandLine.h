// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's command line: `--content DIR` names the content folder instead of the current
// directory; `--profile DIR` names the child whose switch settings and session log the editor
// shows; `--children DIR` names the folder of all the children's profiles, to choose among;
// `--help` and `--version` only print.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct CEditorCommandLine {
    bool help = false;
    bool version = false;
    std::filesystem::path contentFolder;  // empty: the current directory
    std::filesystem::path profileFolder;  // empty: the content folder's settings and log
    std::filesystem::path childrenFolder; // empty: no choice of the child

    // Empty, with `error` set to a message for the user, when an argument is not understood.
    static std::optional<CEditorCommandLine> parse(const std::vector<std::string>& arguments,
                                                   std::string& error);
    // What `--help` prints.
    static std::string usage();
};

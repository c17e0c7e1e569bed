// SPDX-License-Identifier: GPL-3.0-or-later
// The game's command line: `--windowed` opens a plain 800 x 600 window instead of taking over
// the screen (for adults setting up content, and for tests); `--content DIR` names the content
// folder instead of the current directory; `--profile DIR` names the child's own folder for
// settings and log, or `--children DIR` the folder of the children's profiles, among which the
// game lets an adult or the child choose; `--help` and `--version` only print.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct CommandLine {
    bool windowed = false;
    bool help = false;
    bool version = false;
    std::filesystem::path contentFolder;  // empty: the current directory
    std::filesystem::path profileFolder;  // empty: the content folder is also the profile
    std::filesystem::path childrenFolder; // empty: none; ignored when a profile is named
};

// Empty, with `error` set to a message for the user, when an argument is not understood.
std::optional<CommandLine> parseCommandLine(const std::vector<std::string>& arguments,
                                            std::string& error);

// What `--help` prints.
std::string commandLineUsage();

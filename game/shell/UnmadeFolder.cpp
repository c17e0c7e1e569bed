// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/shell/UnmadeFolder.h"

#include <system_error>
#include <unistd.h>

std::filesystem::path nearestExistingFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::path at = std::filesystem::absolute(folder, ec).lexically_normal();
    while (!at.empty()) {
        if (std::filesystem::is_directory(at, ec)) {
            return at;
        }
        if (at == at.parent_path()) {
            break;
        }
        at = at.parent_path();
    }
    return {};
}

std::string whyFolderCannotBeMade(const std::filesystem::path& folder) {
    const std::filesystem::path ancestor = nearestExistingFolder(folder);
    // Asked of the system rather than read from the permission bits: it knows the user's groups,
    // access lists and read-only disks.
    if (ancestor.empty() || ::access(ancestor.c_str(), W_OK | X_OK) == 0) {
        return {};
    }
    return " It cannot be made either: the user who runs Vimo may not write in " +
           ancestor.string() + ". Give that user permission to write there, or name a content " +
           "folder it may write in with --content DIR.";
}

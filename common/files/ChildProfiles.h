// SPDX-License-Identifier: GPL-3.0-or-later
// The children's profiles a launcher keeps side by side in one folder (children/<name>/), as
// both programs see them: the game to let an adult or a child choose who plays, the list editor
// to add, rename and remove them. A folder whose name starts with a dot is one being made or
// taken away, and is no profile.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

struct ChildProfile {
    std::u16string name;          // the folder's name, shown as the child's name
    std::filesystem::path folder; // the profile itself
    std::filesystem::path photo;  // photo.png, photo.jpg or photo.jpeg in it; empty: none
};

// The profiles in `children`, in the order of their names; none when it cannot be read.
std::vector<ChildProfile> listChildProfiles(const std::filesystem::path& children);

// Why `name` cannot be a child's profile name (None when it can): an empty name, one that
// starts with a dot, holds a slash or a control character, or is longer than a folder's name
// may be. Blanks around it are the caller's to take off.
enum class ChildNameFault { None, Empty, Hidden, Separator, TooLong };
ChildNameFault checkChildName(const std::u16string& name);

// Makes a new, empty profile `name` in `children` (made when missing). Fails with `error` set,
// and makes nothing, when the name is refused (std::errc::invalid_argument) or taken
// (std::errc::file_exists).
bool makeChildProfile(const std::filesystem::path& children, const std::u16string& name,
                      std::error_code& error);
// Renames the profile in `folder` to `name` beside it, keeping everything in it.
bool renameChildProfile(const std::filesystem::path& folder, const std::u16string& name,
                        std::error_code& error);
// Removes the profile in `folder` with its settings and log. It is first renamed to a hidden
// name, so that a removal cut off half-way never leaves half a profile that still shows.
bool removeChildProfile(const std::filesystem::path& folder, std::error_code& error);

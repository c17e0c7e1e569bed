// SPDX-License-Identifier: GPL-3.0-or-later
// Says why a folder the game was started on is missing where that is plain: a launcher that
// could not make the user's own folder still starts the game on it, so that the game shows the
// adult why (a home folder that may not be written, typically), not a terminal nobody reads.
#pragma once

#include <filesystem>
#include <string>

// The folder's closest ancestor that exists; empty when none does.
std::filesystem::path nearestExistingFolder(const std::filesystem::path& folder);

// A sentence for the message after "the folder does not exist", with its remedy: the folder
// cannot be made because the game's user may not write in its closest existing ancestor. Empty
// when nothing keeps the folder from being made.
std::string whyFolderCannotBeMade(const std::filesystem::path& folder);

// SPDX-License-Identifier: GPL-3.0-or-later
// The screen of the children who share the computer, shown in the game's window before the
// splash: it ends with the child chosen, or with none when the game was ended there. It reads the
// content folder and the children's photos and writes nothing: no child's settings or log are
// touched until a child is chosen.
#pragma once

#include "common/content/SystemSettings.h"
#include "common/files/ChildProfiles.h"
#include "game/shell/sdl/SdlGameWindow.h"

#include <filesystem>
#include <optional>
#include <vector>

std::optional<std::size_t> chooseChild(SdlGameWindow& gameWindow,
                                       const std::filesystem::path& content,
                                       const std::filesystem::path& children,
                                       const std::vector<ChildProfile>& profiles,
                                       const SystemSettings& system);

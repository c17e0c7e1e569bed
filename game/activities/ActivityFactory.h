// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the activity screen for an id from 1 to 6.
#pragma once

#include "game/screen/Screen.h"
#include "game/screen/ScreenServices.h"

#include <memory>

// Null for an id that has no activity.
std::unique_ptr<Screen> makeActivityScreen(ScreenId id, ScreenServices& services);

// SPDX-License-Identifier: GPL-3.0-or-later
// The session log's settings row, written once as each screen starts: the settings in force that
// shape the child's task there, so that a therapist comparing two weeks sees under which settings
// each was played. The names and their order stay the same from row to row, so a reader can take
// them apart; every time is in milliseconds, every on/off setting 1 or 0.
#pragma once

#include "common/content/AccessSettings.h"
#include "game/content/Options.h"
#include "game/screen/ScreenServices.h"

#include <string>
#include <string_view>

// The settings every screen shares, as name=value pairs joined by semicolons: switches (1 or 2),
// scanTime (the automatic scan step), keyTime, acceptTime, actOnRelease, ignoreRepeatTime,
// scanCue (0 none, 1 tick, 2 the item's sound), waitForCue, firstItemDelay, scanStartsOnPress,
// rounds (of scanning before it rests, 0 never), kioskLock, lockHoldTime.
std::string sharedSettings(const Options& options, const AccessSettings& access);

// `detail` with one more pair. A value keeps its text but for a semicolon, written as a comma,
// so that it cannot split into two pairs.
void addSetting(std::string& detail, std::string_view name, std::string_view value);

// Writes the screen's settings row: the shared settings, then `more` (pairs of the screen's own).
void logSettings(ScreenServices& services, const Options& options, std::string_view more = {});

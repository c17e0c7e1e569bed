// SPDX-License-Identifier: GPL-3.0-or-later
// What every screen gets from the screen factory: the content folder, clocks, sound, pointer,
// message box, the program-wide random generator and the state that outlives a screen (the
// activities' last presses, settings that could not be saved). Nothing
// reaches a screen through globals, so tests hand in fakes and never leak state between them.
#pragma once

#include "common/audio/Sound.h"
#include "common/content/AccessSettings.h"
#include "common/content/GameScreen.h"
#include "common/content/SettingValues.h"
#include "common/content/SystemSettings.h"
#include "common/files/FileSystem.h"
#include "game/content/RandomGenerator.h"
#include "game/log/SessionLog.h"
#include "game/platform/Clock.h"
#include "game/platform/ErrorBox.h"
#include "game/platform/Pointer.h"

#include <array>
#include <cstdint>
#include <optional>

// The time of each activity's last accepted press, kept across its screens so that leaving and
// re-entering an activity does not defeat the key-time guard. Indexed by screen id.
using LastPressTimes = std::array<std::uint32_t, kGameScreens.size()>;

struct ScreenServices {
    FileSystem& files;
    const Clock& clock;
    Sound& sound;
    Pointer& pointer;
    ErrorBox& errorBox;
    RandomGenerator& random;
    LastPressTimes& lastPressTimes;
    // Settings the options screen could not write to options\vimo.opt: while present, every
    // screen starts from them instead of the file, so the changes hold until the game ends.
    std::optional<SettingValues>& unsavedSettings;
    // The switch-access settings of options\access.opt, read again for every new screen so an
    // adult's change in the editor reaches the next screen.
    AccessSettings& access;
    // The therapist's log of what the child did; it writes only while access.log is on.
    SessionLog& log;
    // What the computer's administrator set for every account: defaults under the child's own
    // access settings, and the lock on the options screen.
    const SystemSettings& system;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// How every scanning screen sets its scanner up from the adult's settings, so that all keep one
// rule: the pace of automatic scanning, the longer first target, the start on a first press, the
// rest after some rounds, the cue of every step, which the scan may let end before moving on, and
// the record the session log keeps of it.
#pragma once

#include "game/content/Options.h"
#include "game/input/Scanner.h"
#include "game/screen/ScreenServices.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// The automatic scan step in milliseconds: the switch-access settings' time when set, otherwise
// the options' whole seconds. A hand-edited zero or less gives 0 (no automatic stepping), and the
// longest is what the millisecond clock can measure.
std::uint32_t scanStepMilliseconds(const Options& options, const AccessSettings& access);

// Automatic stepping only with one switch; `itemSound` gives a target's own sound for the item
// cue (empty when it has none). Automatic scanning writes its moments to the session log: when
// it rests and when a press wakes it, and on a screen with a right choice (`isRight`, none on a
// screen without one) when the frame reaches that choice and when it leaves it unpressed.
void setUpScanning(Scanner& scanner, ScreenServices& services, const Options& options,
                   std::function<std::u16string(std::size_t target)> itemSound,
                   std::function<bool(std::size_t target)> isRight = {});

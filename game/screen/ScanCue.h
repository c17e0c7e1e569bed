// SPDX-License-Identifier: GPL-3.0-or-later
// The sound at every scanning step, so that a child who cannot follow the scan frame by eye can
// follow it by ear: nothing, a short tick, or the scanned item's own sound as the adult set in
// the switch-access settings.
#pragma once

#include "game/screen/ScreenServices.h"

#include <string_view>

inline constexpr char16_t kScanTickPath[] = u"sfx\\scan.wav";

// Plays the cue on the shared channel. `itemSound` is the item's own sound (empty when it has
// none), played for the item cue when its file is there; otherwise the tick stands in. A cue
// whose file is missing stays silent and leaves the channel's sound playing. True when a cue was
// started.
bool playScanCue(ScreenServices& services, std::u16string_view itemSound);

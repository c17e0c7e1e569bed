// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScanCue.h"

bool playScanCue(ScreenServices& services, std::u16string_view itemSound) {
    const int cue = services.access.scanCue;
    if (cue == AccessSettings::NoCue) {
        return false;
    }
    if (cue == AccessSettings::ItemCue && !itemSound.empty() && services.files.exists(itemSound)) {
        services.sound.playOnce(itemSound);
    } else if (services.files.exists(kScanTickPath)) {
        services.sound.playOnce(kScanTickPath);
    } else {
        return false;
    }
    return true;
}

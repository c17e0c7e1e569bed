// SPDX-License-Identifier: GPL-3.0-or-later
#include "NullSound.h"

void NullSound::stop() {}

void NullSound::playOnce(std::u16string_view) {}

void NullSound::playOnceUnlessBusy(std::u16string_view) {}

void NullSound::playLooping(std::u16string_view) {}

void NullSound::playToEnd(std::u16string_view) {}

bool NullSound::playing() const {
    return false;
}

int NullSound::sendCommand(std::u16string_view) {
    return 0;
}

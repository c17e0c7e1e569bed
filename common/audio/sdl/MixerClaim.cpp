// SPDX-License-Identifier: GPL-3.0-or-later
#include "MixerClaim.h"

#include <atomic>

namespace {

std::atomic<bool> mixerTaken{false};

} // namespace

MixerClaim::MixerClaim() {
    bool expected = false;
    held_ = mixerTaken.compare_exchange_strong(expected, true);
}

MixerClaim::~MixerClaim() {
    if (held_) {
        mixerTaken = false;
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "MixerClaim.h"

#include <SDL_mixer.h>
#include <atomic>
#include <cstdio>
#include <string>

namespace {

std::atomic<bool> mixerTaken{false};
std::atomic<bool> missingTold{false};

struct Decoder {
    int flag;
    const char* name;
};

constexpr Decoder kDecoders[] = {
    {MIX_INIT_OGG, "Ogg Vorbis"},
    {MIX_INIT_OPUS, "Opus"},
    {MIX_INIT_MP3, "MP3"},
    {MIX_INIT_FLAC, "FLAC"},
};

// Readies the decoders of the compressed kinds that play, and says once in the process which of
// them this SDL_mixer lacks: those files stay silent, and only this line tells why.
void startDecoders() {
    int wanted = 0;
    for (const Decoder& decoder : kDecoders) {
        wanted |= decoder.flag;
    }
    const int started = Mix_Init(wanted);
    std::string missing;
    for (const Decoder& decoder : kDecoders) {
        if ((started & decoder.flag) == 0) {
            missing += (missing.empty() ? "" : ", ") + std::string(decoder.name);
        }
    }
    if (!missing.empty() && !missingTold.exchange(true)) {
        std::fprintf(stderr, "SDL_mixer has no decoder for %s here; such sound files stay silent\n",
                     missing.c_str());
    }
}

} // namespace

MixerClaim::MixerClaim() {
    bool expected = false;
    held_ = mixerTaken.compare_exchange_strong(expected, true);
    if (held_) {
        startDecoders();
    }
}

MixerClaim::~MixerClaim() {
    if (held_) {
        Mix_Quit();
        mixerTaken = false;
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "MixerDevice.h"

#include <SDL_mixer.h>
#include <atomic>

namespace {

constexpr int kFrequency = 44100;
constexpr int kOutputChannels = 2;
// About 23 ms at 44.1 kHz: a click answers a switch press without a noticeable delay.
constexpr int kBufferFrames = 1024;

std::atomic<bool> mixerTaken{false};

} // namespace

MixerDevice::MixerDevice() {
    bool expected = false;
    if (!mixerTaken.compare_exchange_strong(expected, true)) {
        return;
    }
    if (Mix_OpenAudio(kFrequency, AUDIO_S16SYS, kOutputChannels, kBufferFrames) != 0) {
        mixerTaken = false;
        return;
    }
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    if (Mix_QuerySpec(&frequency, &format, &channels) == 0 || frequency <= 0 || channels <= 0) {
        Mix_CloseAudio();
        mixerTaken = false;
        return;
    }
    open_ = true;
    frequency_ = static_cast<std::uint64_t>(frequency);
    bytesPerFrame_ = static_cast<std::uint64_t>(SDL_AUDIO_BITSIZE(format) / 8 * channels);
}

MixerDevice::~MixerDevice() {
    if (open_) {
        Mix_CloseAudio();
        mixerTaken = false;
    }
}

std::uint64_t MixerDevice::milliseconds(const Mix_Chunk& chunk) const {
    if (!open_) {
        return 0;
    }
    return chunk.alen / bytesPerFrame_ * 1000 / frequency_;
}

std::uint64_t MixerDevice::bytesAt(std::uint64_t milliseconds) const {
    return milliseconds * frequency_ / 1000 * bytesPerFrame_;
}

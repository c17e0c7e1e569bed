// SPDX-License-Identifier: GPL-3.0-or-later
#include "MixerDevice.h"

#include <SDL_mixer.h>

namespace {

constexpr int kFrequency = 44100;
constexpr int kOutputChannels = 2;
// About 23 ms at 44.1 kHz: a click answers a switch press without a noticeable delay.
constexpr int kBufferFrames = 1024;

} // namespace

std::uint64_t MixerFormat::bytesPerFrame() const {
    return static_cast<std::uint64_t>(SDL_AUDIO_BITSIZE(sampleFormat) / 8 * channels);
}

MixerDevice::MixerDevice(const std::optional<MixerFormat>& exactly) {
    const int opened =
        exactly ? Mix_OpenAudioDevice(exactly->frequency, exactly->sampleFormat, exactly->channels,
                                      kBufferFrames, nullptr, 0)
                : Mix_OpenAudio(kFrequency, AUDIO_S16SYS, kOutputChannels, kBufferFrames);
    if (opened != 0) {
        return;
    }
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    if (Mix_QuerySpec(&frequency, &format, &channels) == 0 || frequency <= 0 || channels <= 0 ||
        (exactly && !(*exactly == MixerFormat{frequency, format, channels}))) {
        Mix_CloseAudio();
        return;
    }
    open_ = true;
    format_ = MixerFormat{frequency, format, channels};
}

MixerDevice::~MixerDevice() {
    if (open_) {
        Mix_CloseAudio();
    }
}

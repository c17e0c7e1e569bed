// SPDX-License-Identifier: GPL-3.0-or-later
// The SDL_mixer output device, open for as long as this object lives, and the sample format it
// plays.
#pragma once

#include <cstdint>
#include <optional>

// The samples the mixer plays: every sound is decoded to this format.
struct MixerFormat {
    int frequency = 0;
    std::uint16_t sampleFormat = 0;
    int channels = 0;
    bool operator==(const MixerFormat&) const = default;

    std::uint64_t bytesPerFrame() const;
};

class MixerDevice {
public:
    // Needs SDL's audio subsystem started and the mixer claimed (MixerClaim). Without `exactly`
    // the driver may pick the rate and channel count it prefers; with it the device plays that
    // format and no other (SDL converts if the driver would now rather play another), so sounds
    // decoded for an earlier device play unchanged.
    explicit MixerDevice(const std::optional<MixerFormat>& exactly = std::nullopt);
    ~MixerDevice();
    MixerDevice(const MixerDevice&) = delete;
    MixerDevice& operator=(const MixerDevice&) = delete;

    bool isOpen() const { return open_; }
    const MixerFormat& format() const { return format_; }

private:
    bool open_ = false;
    MixerFormat format_;
};

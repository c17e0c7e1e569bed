// SPDX-License-Identifier: GPL-3.0-or-later
// The SDL_mixer output device, open for as long as this object lives, and the sample format it
// plays, which turns between milliseconds and bytes of decoded sound. SDL_mixer has one set of
// channels per process, so while one device is open a second one stays closed rather than share
// (and fight over) those channels.
#pragma once

#include <cstdint>

struct Mix_Chunk;

class MixerDevice {
public:
    // Needs SDL's audio subsystem started.
    MixerDevice();
    ~MixerDevice();
    MixerDevice(const MixerDevice&) = delete;
    MixerDevice& operator=(const MixerDevice&) = delete;

    bool isOpen() const { return open_; }

    std::uint64_t milliseconds(const Mix_Chunk& chunk) const;
    // The byte offset of a position in a chunk, on a whole sample frame.
    std::uint64_t bytesAt(std::uint64_t milliseconds) const;

private:
    bool open_ = false;
    std::uint64_t frequency_ = 0;
    std::uint64_t bytesPerFrame_ = 0;
};

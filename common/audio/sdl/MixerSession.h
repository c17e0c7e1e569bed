// SPDX-License-Identifier: GPL-3.0-or-later
// The mixer's output device for the sound back end, open only while sound plays or was just
// asked for. SDL's audio thread wakes every buffer (about 44 times a second) to mix, silence
// included, for as long as the device is open, even paused; so once nothing has played for a
// while a thread of this session closes the device, and the next sound opens it again in the
// same format, so sounds already decoded play unchanged. Every call into SDL_mixer is made
// holding the session's lock, so the device never closes under a caller.
#pragma once

#include "common/audio/sdl/MixerClaim.h"
#include "common/audio/sdl/MixerDevice.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>

struct Mix_Chunk;

class MixerSession {
public:
    using Lock = std::unique_lock<std::mutex>;

    // Claims the mixer and opens the device, which learns its format. Needs SDL's audio
    // subsystem started. The device closes once nothing has played for `quietBeforeClosing`.
    explicit MixerSession(std::chrono::milliseconds quietBeforeClosing);
    // Closes the device; the back end frees its sounds first (stopClosing() before that).
    ~MixerSession();
    MixerSession(const MixerSession&) = delete;
    MixerSession& operator=(const MixerSession&) = delete;

    // False when the mixer was claimed by another back end or no device opened: the back end
    // is then silent.
    bool usable() const { return format_.has_value(); }

    // Held around every call into SDL_mixer, and around freeing a sound.
    Lock hold() const { return Lock(mutex_); }
    // Opens the device if it was closed and starts the quiet time anew; to be called before
    // anything is decoded or played. False when the device cannot open again (it went away):
    // that call stays silent.
    bool wake(const Lock& held);
    // Whether the device is open now; nothing plays while it is closed.
    bool isOpen(const Lock& held) const;
    // The number of mixer channels, all reserved, kept for every later opening. Needs the
    // device open.
    bool setChannels(const Lock& held, int count);
    // Ends the closing thread; the device stays as it is until the session goes.
    void stopClosing();

    std::uint64_t milliseconds(const Mix_Chunk& chunk) const;
    // The byte offset of a position in a chunk, on a whole sample frame.
    std::uint64_t bytesAt(std::uint64_t milliseconds) const;

private:
    void closeWhenQuiet();

    const std::chrono::milliseconds quiet_;
    MixerClaim claim_;
    std::optional<MixerFormat> format_;
    mutable std::mutex mutex_;
    // Guarded by mutex_:
    std::condition_variable opened_;
    std::optional<MixerDevice> device_;
    int channels_ = 0;
    std::chrono::steady_clock::time_point lastUse_;
    bool stopping_ = false;
    std::thread closer_;
};

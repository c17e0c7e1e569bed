// SPDX-License-Identifier: GPL-3.0-or-later
// The sound services on SDL_mixer. Mixer channel 0 is the shared channel; every open wave
// device gets a reserved channel of its own, so a screen's start music plays on beside effects
// and speech. When no audio device opens, every call is silent and nothing fails. The output
// device is closed while nothing plays and opened again by the next sound (MixerSession).
#pragma once

#include "common/audio/Sound.h"
#include "common/audio/sdl/AudioSubsystem.h"
#include "common/audio/sdl/ChunkCache.h"
#include "common/audio/sdl/MixChunk.h"
#include "common/audio/sdl/MixerSession.h"
#include "common/files/FileSystem.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct DeviceCommand;

class SdlSound : public Sound {
public:
    // How long the output device stays open after the last sound ended or was asked for.
    static constexpr std::chrono::milliseconds kQuietBeforeClosing{2000};

    // Starts SDL's audio subsystem and opens the mixer; sound files are read through `files`.
    explicit SdlSound(const FileSystem& files,
                      std::chrono::milliseconds quietBeforeClosing = kQuietBeforeClosing);
    ~SdlSound() override;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    // False when no audio device opened: then every call is silent.
    bool isOpen() const;
    // Whether the output device is open now: after a quiet time it is closed until the next
    // sound.
    bool deviceOpen() const;

    void stop() override;
    void playOnce(std::u16string_view path) override;
    void playOnceUnlessBusy(std::u16string_view path) override;
    void playLooping(std::u16string_view path) override;
    // Never waits longer than the sound lasts plus half a second, nor ten seconds in all, in
    // case the device stops taking samples.
    void playToEnd(std::u16string_view path) override;
    // Asked of the mixer under the session's lock, which its closing timer takes too.
    bool playing() const override;
    // Refused (a number other than 0): text that is none of the forms, a type other than
    // "Waveaudio", an alias already open, a file that is missing or not a sound that plays,
    // an alias that is not open, a position past the end. Seek stops the device; Play starts
    // from the last position sought (the start, unless another was).
    int sendCommand(std::u16string_view command) override;

    // Whether `path` holds a sound that plays, decoded as playing it would decode it (and kept
    // like a sound played): the editor's test of a file it takes in. Without an audio device only
    // the file's kind is looked at, from its first bytes and its name.
    bool decodes(std::u16string_view path);

    // The path of the sound the shared channel plays now; empty when it is silent.
    std::u16string sharedChannelSound() const;
    bool devicePlaying(std::u16string_view alias) const;

private:
    struct Device {
        std::u16string alias;
        int channel = 0;
        SharedChunk chunk;
        // The part of `chunk` from the last position sought; null when that is the start.
        ChunkPtr fromPosition;
    };

    using Lock = MixerSession::Lock;

    // Every private member below takes the session's lock, held.
    void playShared(const Lock& held, std::u16string_view path, int loops);
    bool channelPlaying(const Lock& held, int channel) const;
    void halt(const Lock& held, int channel);
    int open(const Lock& held, const DeviceCommand& command);
    int seek(const Lock& held, Device& device, std::uint32_t position);
    int play(const Lock& held, Device& device);
    void close(const Lock& held, std::vector<Device>::iterator device);
    std::vector<Device>::iterator findDevice(std::u16string_view alias);
    std::vector<Device>::const_iterator findDevice(std::u16string_view alias) const;
    int takeChannel(const Lock& held);

    // Declared in start-up order, so that chunks are freed before the mixer closes and the
    // mixer closes before the subsystem stops.
    const FileSystem& files_;
    AudioSubsystem subsystem_;
    std::optional<MixerSession> session_;
    ChunkCache cache_;
    std::vector<Device> devices_;
    std::vector<int> freeChannels_;
    int channelCount_ = 0;
    // What the shared channel was last given, to tell whether that is what it still plays.
    std::u16string sharedPath_;
    SharedChunk sharedChunk_;
};

// The sound services of a program: SDL_mixer when an audio device opens, otherwise a silent
// back end.
std::unique_ptr<Sound> openSound(const FileSystem& files);

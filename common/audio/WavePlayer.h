// SPDX-License-Identifier: GPL-3.0-or-later
// Plays one wave file on a device of its own, beside the shared sound channel, so a screen's
// start music keeps playing while effects and speech use the shared channel. Driven by command
// strings, which keeps what it asks for observable.
#pragma once

#include "common/audio/Sound.h"

#include <string>

class WavePlayer {
public:
    explicit WavePlayer(Sound& sound) : sound_(sound) {}
    // Stops, then closes.
    ~WavePlayer();
    WavePlayer(const WavePlayer&) = delete;
    WavePlayer& operator=(const WavePlayer&) = delete;

    // Closes an open device first. The device type is "Waveaudio" when the path ends in ".wav".
    void open(std::u16string_view path);
    // From the start (seeks to 0 first); only when a device is open.
    void play();
    // Only when a device is open and not already stopped.
    void stop();
    void seek(int position);
    void close();

    int lastResult() const { return lastResult_; }
    const std::u16string& name() const { return name_; }

private:
    void send(std::u16string command);

    Sound& sound_;
    int lastResult_ = 0;
    std::u16string deviceType_;
    std::u16string name_;
    std::u16string command_;
    int stopped_ = 0;
};

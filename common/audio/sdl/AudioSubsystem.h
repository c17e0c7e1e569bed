// SPDX-License-Identifier: GPL-3.0-or-later
// SDL's audio subsystem, started on its own so that a machine without sound still shows the
// game, and shut down again when this object goes. SDL counts starts, so the game's video start
// and this one do not disturb each other.
#pragma once

class AudioSubsystem {
public:
    AudioSubsystem();
    ~AudioSubsystem();
    AudioSubsystem(const AudioSubsystem&) = delete;
    AudioSubsystem& operator=(const AudioSubsystem&) = delete;

    // False when no audio driver could be started.
    bool started() const { return started_; }

private:
    bool started_ = false;
};

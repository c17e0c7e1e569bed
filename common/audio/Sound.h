// SPDX-License-Identifier: GPL-3.0-or-later
// The sound services of both programs. One shared channel plays one sound at a time for the
// whole program (a new sound cuts off the one playing unless asked not to); independent wave
// devices, driven by command strings, play beside it (a screen's start music). Without an audio
// device every call is silent and nothing fails.
#pragma once

#include <string_view>

class Sound {
public:
    virtual ~Sound() = default;

    // The shared channel. Paths are as the content folder names them ("sfx\click.wav").
    virtual void stop() = 0;
    virtual void playOnce(std::u16string_view path) = 0;
    // Starts the sound only when the shared channel is silent.
    virtual void playOnceUnlessBusy(std::u16string_view path) = 0;
    // Repeats until stopped or replaced.
    virtual void playLooping(std::u16string_view path) = 0;
    // Plays on the shared channel and returns when the sound has ended (the editor's click
    // before it closes).
    virtual void playToEnd(std::u16string_view path) = 0;
    // Whether the shared channel still plays its sound (a screen lets a cue end before moving on).
    virtual bool playing() const = 0;

    // A command for the independent wave devices, one of:
    //   "Open <path> ALIAS <alias> TYPE Waveaudio wait", "Seek <alias> to <n>",
    //   "Play <alias>", "Stop <alias>", "Close <alias>".
    // Returns 0 when the command was carried out, another number when it was refused.
    virtual int sendCommand(std::u16string_view command) = 0;
};

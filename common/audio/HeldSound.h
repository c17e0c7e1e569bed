// SPDX-License-Identifier: GPL-3.0-or-later
// Sound calls held back while a screen starts, so that its first frame shows before its music
// is decoded: between hold and release every call is kept in order, and release makes them on
// the sound back end as they came. Outside a hold calls go straight through.
#pragma once

#include "common/audio/Sound.h"

#include <string>
#include <vector>

class HeldSound : public Sound {
public:
    explicit HeldSound(Sound& sound) : sound_(sound) {}

    // From now on calls wait for release.
    void hold() { holding_ = true; }
    // Makes the held calls in order, then lets calls through again.
    void release();
    bool holding() const { return holding_; }

    void stop() override;
    void playOnce(std::u16string_view path) override;
    void playOnceUnlessBusy(std::u16string_view path) override;
    void playLooping(std::u16string_view path) override;
    // Releases what is held first: its caller waits for the end anyway.
    void playToEnd(std::u16string_view path) override;
    // While holding, as the held calls will leave the channel: playing after a held play, silent
    // after a held stop; otherwise as the back end says.
    bool playing() const override;
    // A held command answers 0: its answer is not known until it is made.
    int sendCommand(std::u16string_view command) override;

private:
    enum class Kind { Stop, PlayOnce, PlayOnceUnlessBusy, PlayLooping, Command };
    struct Call {
        Kind kind;
        std::u16string text;
    };

    // False when the call was made at once.
    bool held(Kind kind, std::u16string_view text);

    Sound& sound_;
    bool holding_ = false;
    std::vector<Call> calls_;
};

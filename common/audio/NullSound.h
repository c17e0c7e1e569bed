// SPDX-License-Identifier: GPL-3.0-or-later
// The sound back end of a machine without an audio device: every call does nothing and
// succeeds, so the game and the editor run the same way, only silently.
#pragma once

#include "common/audio/Sound.h"

class NullSound : public Sound {
public:
    void stop() override;
    void playOnce(std::u16string_view path) override;
    void playOnceUnlessBusy(std::u16string_view path) override;
    void playLooping(std::u16string_view path) override;
    void playToEnd(std::u16string_view path) override;
    // Never: nothing is heard.
    bool playing() const override;
    int sendCommand(std::u16string_view command) override;
};

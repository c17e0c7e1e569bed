// SPDX-License-Identifier: GPL-3.0-or-later
// The claim on SDL_mixer, which has one set of channels per process: while one sound back end
// holds it, a second one stays silent rather than share (and fight over) those channels. The
// claim outlives the device itself, which is closed and opened again as sound comes and goes;
// the holder also readies SDL_mixer's decoders for its time.
#pragma once

class MixerClaim {
public:
    MixerClaim();
    ~MixerClaim();
    MixerClaim(const MixerClaim&) = delete;
    MixerClaim& operator=(const MixerClaim&) = delete;

    // False when another back end holds the claim.
    bool held() const { return held_; }

private:
    bool held_ = false;
};

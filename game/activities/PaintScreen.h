// SPDX-License-Identifier: GPL-3.0-or-later
// Activity 4, painting: a picture is painted frame by frame, one accepted press at a time, each
// frame with a painting sound; after the last frame a press plays the picture's own sound and the
// press after that brings the next picture. The pictures are the frame series in gfx\paint\.
#pragma once

#include "game/content/FileList.h"
#include "game/gfx/Picture.h"
#include "game/screen/ActivityScreen.h"

#include <cstddef>
#include <string>
#include <vector>

class PaintScreen : public ActivityScreen {
public:
    explicit PaintScreen(ScreenServices& services);
    // Stops whatever the shared sound channel plays.
    ~PaintScreen() override;

    bool begin(Graphics& offscreen, Graphics& window, Image& offscreenImage) override;
    void draw() override;

    // The frame on screen; none without frames.
    const Picture* currentFrame() const { return currentFrame_; }

private:
    // Every press is the switch, one on the stop button too; Esc only leaves.
    void step() override;
    void loadPicture();
    // Decodes frame `index` of the picture in place of the one before: a series of large frames
    // holds only the one on screen.
    void showFrame(std::size_t index);
    // The sound of a step: played when sounds are on, otherwise every sound is silenced.
    void stepSound(const std::u16string& path);

    // The frame on screen, or null.
    Picture* currentFrame_ = nullptr;
    Picture frame_;
    // The files of the picture's frames, in order.
    std::vector<std::u16string> framePaths_;
    FileList paintSounds_;
    FileList pictures_;
    std::size_t frameIndex_ = 0;
};

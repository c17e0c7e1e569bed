// SPDX-License-Identifier: GPL-3.0-or-later
// The picture-and-word activity: the exercises of a list come one at a time as a large picture,
// with its word written below when texts are on. Each accepted press moves one stage on: show,
// speak (twice), take away with a click, then the next exercise. Any key or button is the switch.
#pragma once

#include "game/content/FileList.h"
#include "game/gfx/Picture.h"
#include "game/screen/ActivityScreen.h"

class PictureWordScreen : public ActivityScreen {
public:
    explicit PictureWordScreen(ScreenServices& services);
    // Stops the activity's sound.
    ~PictureWordScreen() override;

    // Shows the first exercise at once unless the key time refuses the press. False, with the
    // menu as the next screen, when the list is missing.
    bool begin(Graphics& offscreen, Graphics& window, Image& offscreenImage) override;
    void draw() override;

    // 0 show the next exercise, 1 and 2 speak, 3 take away, 4 wait with an empty screen.
    int stage() const { return stage_; }

private:
    // Any key or button but Esc and the stop button, which only leave.
    void step() override;
    void showNextExercise();
    void speak();
    void takeAway();
    // Null while no exercise has been shown yet.
    const Exercise* currentExercise() const;
    std::uint32_t backgroundColour() const;
    void play(const std::u16string& path);

    Picture picture_;
    // Used only for its text box.
    Picture word_;
    FileList fallbackSounds_;
    int stage_ = 0;
    int exercisePosition_ = -1;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The moving-pictures activity: a picture from the activity's content list enters from one of
// the four edges or four corners and glides across the screen while the switch is held (or,
// with the `movie` setting, after one press), its sound repeating; once it has left the screen
// the next exercise follows from another direction.
#pragma once

#include "common/audio/WavePlayer.h"
#include "game/activities/ShuffledOrder.h"
#include "game/content/FileList.h"
#include "game/gfx/Picture.h"
#include "game/screen/ActivityScreen.h"

#include <cstddef>
#include <cstdint>
#include <string>

class MovingPictureScreen : public ActivityScreen {
public:
    explicit MovingPictureScreen(ScreenServices& services);
    // Stops the activity's sound and closes its music.
    ~MovingPictureScreen() override;

    // False, with the menu next, when the content list is missing.
    bool begin(Graphics& offscreen, Graphics& window, Image& offscreenImage) override;
    // Moves the picture while the contact holds, and brings the next exercise once it is gone.
    NextScreen update() override;
    void draw() override;
    // Every display refresh while the picture moves; never while it stands.
    NextTurn nextTurn() const override;
    // Any key silences the start music; a press moves the picture only after a release, so a
    // switch still held from the last exercise does not start the next one.
    void keyDown(int key) override;
    void keyUp(int key) override;
    void mouseDown(int x, int y) override;
    void mouseUp(int x, int y) override;

    // For tests of the motion.
    const Picture& movingPicture() const { return picture_; }
    const std::u16string& soundPath() const { return soundPath_; }

private:
    // The setting's colour; its grey asks for the colour of the exercise on the screen.
    std::uint32_t backgroundColour() const;
    void startNextExercise();
    void setUpMotion();
    bool pictureHasLeftTheScreen() const;

    Picture picture_;
    FileList fallbackSounds_;
    WavePlayer music_;
    std::u16string soundPath_;
    ShuffledOrder directions_;
    std::size_t exercisePosition_ = 0;
    bool released_ = true;
};

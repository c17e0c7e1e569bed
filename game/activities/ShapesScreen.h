// SPDX-License-Identifier: GPL-3.0-or-later
// The picture-steps activity: each press of the switch shows one more picture of a set of 1, 2,
// 4 or 8 with a rising step sound, further presses take them away again one by one with the
// steps going back down, a last press plays a done sound, and the press after it brings a new
// set from the activity's content list.
#pragma once

#include "game/activities/ShuffledOrder.h"
#include "game/content/FileList.h"
#include "game/gfx/Picture.h"
#include "game/screen/ActivityScreen.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

class ShapesScreen : public ActivityScreen {
public:
    static constexpr int kPictures = 8;

    // The factory passes 1; the argument carries nothing.
    ShapesScreen(ScreenServices& services, int unused);
    // Stops the activity's sound.
    ~ShapesScreen() override;

    // False, with the menu next, when the content list is missing.
    bool begin(Graphics& offscreen, Graphics& window, Image& offscreenImage) override;
    void draw() override;

private:
    // The setting's colour; its grey asks for the colour of the exercise the next set starts
    // with.
    std::uint32_t backgroundColour() const;
    // Any key but Esc is a press, a held key once; the mouse never holds the contact, so every
    // click counts, one on the stop button too.
    void step() override;
    void loadSet();
    void layOutSet();
    void chooseSounds();
    void playStep(const std::u16string& name);
    void playDone();

    std::array<Picture, kPictures> patterns_;
    std::array<std::u16string, kPictures> names_; // the exercises the pictures show, for the log
    ShuffledOrder variants_;
    FileList stepSounds_;
    std::u16string soundFolder_;
    std::u16string doneSound_;
    // 0 a new set due, 1 showing, 2 hiding, 3 the done sound due, 4 waiting for the press that
    // brings a new set.
    int stage_ = 0;
    int setSize_ = 4;
    std::size_t exercisePosition_ = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// Activity 1, the colour rings: while the child holds a switch, rings of random colours grow one
// after another across the screen to a looping sound, until they reach the edge and a new, empty
// picture follows. It teaches cause and effect, in three contact modes.
#pragma once

#include "common/audio/WavePlayer.h"
#include "game/content/FileList.h"
#include "game/gfx/Picture.h"
#include "game/screen/ActivityScreen.h"

#include <cstdint>
#include <string>
#include <vector>

class RingsScreen : public ActivityScreen {
public:
    explicit RingsScreen(ScreenServices& services);
    // Stops the ring sound; the music player stops and closes its device itself.
    ~RingsScreen() override;

    bool begin(Graphics& offscreen, Graphics& window, Image& offscreenImage) override;
    NextScreen update() override;
    void draw() override;
    // The next ring, the end of the pause after a picture, the reminder; never while nothing of
    // that waits.
    NextTurn nextTurn() const override;
    // On the stop button it leaves; anywhere else it is the switch, as a key.
    void mouseDown(int x, int y) override;
    // Every key silences the start music; Esc leaves, any other key is the switch.
    void keyDown(int key) override;

    bool reminderShown() const { return reminderShown_; }
    bool complete() const { return complete_; }

private:
    // The reminder's delay at the start of a picture, and the pause after a picture of mode 2.
    static constexpr std::uint32_t kReminderDelayMs = 8000;
    static constexpr std::uint32_t kWaitAfterPictureMs = 2000;

    void newPicture();
    void prepareNextPicture();
    // The next draw paints the background over every ring.
    void eraseRings();
    void drawingStep();
    // Decides the next ring, which the next draw paints; false when the rings have reached the
    // edge, and then there is none.
    bool addRing();
    // Silences the ring sound and lets the next step draw at once, its sound from the start.
    void stopAndReArm();
    // The contact mode in force; a value the activity does not know counts as mode 0.
    int contactMode() const;

    // What update decided and draw paints next: the background when a new picture began, then
    // the rings added since, in the pen width of the picture.
    struct Ring {
        RectF rect;
        std::uint32_t colour;
    };
    bool backgroundDue_ = true;
    // The stop button and the reminder as last drawn over the rings.
    bool overlayDue_ = true;
    bool overlayHover_ = false;
    bool overlayReminder_ = false;
    std::vector<Ring> ringsDue_;
    Picture reminder_;
    bool reminderShown_ = false;
    float ringPenWidth_ = 2;
    bool complete_ = false;
    bool fresh_ = true;
    bool soundPending_ = true;
    FileList ringSounds_;
    WavePlayer music_;
    std::u16string soundPath_;
    // The times are kept as moments and compared by elapsed time, so the activity keeps its pace
    // when the millisecond clock wraps.
    bool stepDue_ = true;
    std::uint32_t lastStepTime_ = 0;
    std::uint32_t pictureStartTime_ = 0;
    std::uint32_t waitStartTime_ = 0;
    bool waiting_ = false;
    int ringX_ = 0;
    int ringY_ = 0;
    int ringWidth_ = 0;
    int ringHeight_ = 0;
};

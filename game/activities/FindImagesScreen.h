// SPDX-License-Identifier: GPL-3.0-or-later
// The find-images activity: the child sees the left half of a large picture and picks, among two
// to four pictures of which only the right halves show, the one that completes it, with the mouse
// or with switches through the scanner. A right pick uncovers every picture and plays the
// exercise's sound (or a praise sound); after a pause the next task begins.
#pragma once

#include "game/content/FileList.h"
#include "game/gfx/Picture.h"
#include "game/input/Scanner.h"
#include "game/screen/ActivityScreen.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class FindImagesScreen : public ActivityScreen {
public:
    explicit FindImagesScreen(ScreenServices& services);
    // Stops the activity's sound.
    ~FindImagesScreen() override;

    // False, with the menu as the next screen, when the list is missing.
    bool begin(Graphics& offscreen, Graphics& window, Image& offscreenImage) override;
    NextScreen update() override;
    void draw() override;
    // The scanner's next step while the child chooses, then the end of the pause.
    NextTurn nextTurn() const override;
    void mouseDown(int x, int y) override;
    void mouseMove(int x, int y) override;
    void keyDown(int key) override;

    // The pictures of the current task in row order (the right one is marked), for tests.
    const std::vector<Picture>& choices() const { return choices_; }
    bool answered() const { return answered_; }

private:
    void startTask();
    // Appends a choice showing the exercise at the current position and moves the position on.
    void takeNextExercise(bool right);
    void shuffleChoices();
    void layOutChoices();

    Picture model_;
    Picture divider_;
    Picture hoverFrame_;
    std::vector<Picture> choices_;
    // Each choice's exercise speech, in the choices' order; empty where it has none.
    std::vector<std::u16string> choiceSpeech_;
    // Each choice's exercise name, in the choices' order, for the log's choice rows.
    std::vector<std::u16string> choiceNames_;
    FileList praiseSounds_;
    // Declared after the pictures it points at, so it lets go of them first.
    Scanner scanner_;
    std::uint32_t backgroundColour_ = 0xFF000000;
    std::size_t exercisePosition_ = 0;
    int picturesPerTask_ = 0;
    bool answered_ = false;
    bool answerPending_ = true;
    std::uint32_t pauseStart_ = 0; // when the pause after an answer began
    std::u16string answerSoundPath_;
};

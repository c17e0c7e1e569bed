// SPDX-License-Identifier: GPL-3.0-or-later
// Who plays: where several children share a computer, the game starts on their photos (or a
// coloured card with the first letter where a child has none) with their names under them. It
// works as the menu does: a click, two switches (step and choose) or one switch with automatic
// scanning; Esc and the stop button end the game, held under the lock a child cannot undo.
#pragma once

#include "common/files/ChildProfiles.h"
#include "game/content/Options.h"
#include "game/gfx/Picture.h"
#include "game/input/HoldToLeave.h"
#include "game/input/Scanner.h"
#include "game/screen/Screen.h"
#include "game/screen/ScreenServices.h"
#include "game/shell/ChildCardPlaces.h"

#include <functional>
#include <memory>
#include <vector>

class ChildrenScreen : public Screen {
public:
    // A child's photo is read as children\<name>\<photo file> through the services' files.
    // `chosen` hears the index of the child chosen, before the screen asks to be left.
    ChildrenScreen(ScreenServices& services, std::vector<ChildProfile> children,
                   std::function<void(std::size_t)> chosen);
    ~ChildrenScreen() override;

    bool begin(Graphics& offscreen, Graphics& window, Image& offscreenImage) override;
    // Quit once a child is chosen, or the game is ended.
    NextScreen update() override;
    void draw() override;
    NextTurn nextTurn() const override;
    void mouseDown(int x, int y) override;
    void mouseMove(int x, int y) override;
    void mouseUp(int x, int y) override;
    void keyDown(int key) override;
    void keyUp(int key) override;

private:
    void drawCard(std::size_t k);

    ScreenServices& services_;
    std::vector<ChildProfile> children_;
    std::vector<Picture> cards_;  // what the pointer and the scanning reach: the whole card
    std::vector<Picture> photos_; // the photo inside it, kept in shape
    Picture stopButton_;
    Scanner scanner_;
    Options options_;
    HoldToLeave leave_;
    std::unique_ptr<Font> nameFont_;
    std::unique_ptr<Font> letterFont_;
    NextScreen next_ = Stay;
    std::function<void(std::size_t)> chosen_;
};

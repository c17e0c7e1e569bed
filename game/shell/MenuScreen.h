// SPDX-License-Identifier: GPL-3.0-or-later
// The picture menu: six activity pictures in two rows, a stop button that ends the game and an
// options button. Usable with the mouse, the keyboard, or one or two switches through its
// scanner, whose targets are the six pictures and the stop button. Under the lock a child cannot
// undo, Esc and the stop button end the game only when held, and one-switch scanning passes the
// stop button by. Under the administrator's options lock the options button opens the options
// screen only when held for the lock hold time, so a pupil's click does not wander in.
#pragma once

#include "game/content/Options.h"
#include "game/gfx/Picture.h"
#include "game/input/HoldToLeave.h"
#include "game/input/Scanner.h"
#include "game/screen/Screen.h"
#include "game/screen/ScreenServices.h"

#include <vector>

class MenuScreen : public Screen {
public:
    explicit MenuScreen(ScreenServices& services);
    // Stops the menu's sound.
    ~MenuScreen() override;

    bool begin(Graphics& offscreen, Graphics& window, Image& offscreenImage) override;
    NextScreen update() override;
    void draw() override;
    // The scanner's next step, or at once when the menu is left.
    NextTurn nextTurn() const override;
    void mouseDown(int x, int y) override;
    void mouseMove(int x, int y) override;
    void keyDown(int key) override;
    // Any release ends a hold on Esc, the stop button or the options button.
    void mouseUp(int x, int y) override;
    void keyUp(int key) override;

    // The six activity pictures, for tests of the layout.
    const std::vector<Picture>& activityPictures() const { return activities_; }

private:
    ScreenServices& services_;
    NextScreen nextScreenId_ = Stay;
    std::vector<Picture> activities_;
    Picture stopButton_;
    Picture optionsButton_;
    Picture selectionFrame_;
    Scanner scanner_;
    Options options_;
    HoldToLeave leave_;
    HoldToLeave openOptions_;
};

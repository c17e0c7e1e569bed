// SPDX-License-Identifier: GPL-3.0-or-later
// One full-window screen: the menu, an activity or the options screen. The main loop holds one
// at a time and calls it in a fixed protocol: begin once, then every turn update and, while it
// returns Stay, draw. Input only changes state; only draw paints. A screen leaves by returning
// another screen's id or Quit from update; it never creates or destroys screens itself.
#pragma once

#include "game/gfx/Graphics.h"
#include "game/platform/KeyCodes.h"
#include "game/platform/NextTurn.h"
#include "game/screen/NextScreen.h"

class Screen {
public:
    virtual ~Screen() = default;

    // Keeps the borrowed surfaces, loads pictures, arms the scanner, may start music. True when
    // the screen can run; false when it cannot (an activity without its list), and it then asks
    // for the menu from its first update.
    virtual bool begin(Graphics& offscreen, Graphics& window, Image& offscreenImage);
    virtual NextScreen update() = 0;
    // Paints the frame into the offscreen surface and copies it to the window. What earlier
    // frames painted stays on the offscreen surface until a screen paints over it.
    virtual void draw() = 0;
    // Asked after each draw: when the screen next needs a turn if no input comes. Input always
    // brings a turn at once. A screen that cannot tell says now, which never stalls it.
    virtual NextTurn nextTurn() const;

    // Window pixels of the 800 x 600 game space; left and right buttons alike.
    virtual void mouseDown(int x, int y);
    virtual void mouseUp(int x, int y);
    virtual void mouseMove(int x, int y);
    // The codes of game/platform/KeyCodes.h.
    virtual void keyDown(int key);
    virtual void keyUp(int key);

protected:
    // Copies the finished offscreen frame to the window.
    void present();

    Graphics* offscreen_ = nullptr;
    Graphics* window_ = nullptr;
    Image* offscreenImage_ = nullptr;
};

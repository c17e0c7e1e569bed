// SPDX-License-Identifier: GPL-3.0-or-later
#include "Screen.h"

bool Screen::begin(Graphics& offscreen, Graphics& window, Image& offscreenImage) {
    offscreen_ = &offscreen;
    window_ = &window;
    offscreenImage_ = &offscreenImage;
    return true;
}

NextTurn Screen::nextTurn() const {
    return NextTurn::now();
}

void Screen::mouseDown(int, int) {}
void Screen::mouseUp(int, int) {}
void Screen::mouseMove(int, int) {}
void Screen::keyDown(int) {}
void Screen::keyUp(int) {}

void Screen::present() {
    if (window_ && offscreenImage_) {
        window_->drawImage(*offscreenImage_, RectF{0, 0, 800, 600});
    }
}

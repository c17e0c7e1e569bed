#include "Screen.h"

int Screen::begin(Graphics& offscreen, Graphics& window, Image& offscreenImage) {
    offscreen_ = &offscreen;
    window_ = &window;
    offscreenImage_ = &offscreenImage;
    return 1;
}

int Screen::mouseDown(int, int) { return 1; }
int Screen::mouseUp(int, int) { return 1; }
int Screen::mouseMove(int, int) { return 1; }
int Screen::keyDown(int) { return 1; }
int Screen::keyUp(int) { return 1; }

void Screen::present() {
    if (window_ && offscreenImage_) {
        window_->drawImage(*offscreenImage_, RectF{0, 0, 800, 600});
    }
}

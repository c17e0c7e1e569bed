// SPDX-License-Identifier: GPL-3.0-or-later
#include "ActivityScreen.h"

ActivityScreen::ActivityScreen(ScreenServices& services)
    : services_(services), options_(services.files, services.unsavedSettings),
      list_(services.files, options_.language), stopButton_(services.clock),
      leave_(services.clock, services.access.kioskLock) {}

std::uint32_t ActivityScreen::exerciseBackground(std::uint32_t setting, const Exercise* exercise) {
    if (setting != kUseExerciseColour || exercise == nullptr || exercise->colour == kNoOwnColour) {
        return setting;
    }
    return exercise->colour;
}

NextScreen ActivityScreen::update() {
    leaveWhenHeld();
    return nextScreenId_;
}

NextTurn ActivityScreen::nextTurn() const {
    return nextScreenId_.stays() ? holdTurn() : NextTurn::now();
}

void ActivityScreen::mouseUp(int, int) {
    contactHeld_ = false;
    leave_.release();
}

void ActivityScreen::keyUp(int) {
    contactHeld_ = false;
    leave_.release();
}

void ActivityScreen::mouseMove(int x, int y) {
    stopButton_.hoverTest(x, y);
    if (!stopButton_.contains(x, y)) {
        leave_.pointerLeft();
    }
}

void ActivityScreen::loadStopButton(bool cached) {
    stopButton_.load(u"gfx\\buttons\\stop.png", offscreen_, cached);
    stopButton_.setPosition(10, 10);
    stopButton_.setFrameColour(0xFFFF0000);
    stopButton_.setFrameMargin(10);
}

void ActivityScreen::drawStopButton() {
    if (options_.useStop != 0) {
        stopButton_.draw();
        stopButton_.drawFrame();
    }
}

bool ActivityScreen::stopButtonPressed(int x, int y) {
    if (options_.useStop == 0 || !stopButton_.contains(x, y)) {
        return false;
    }
    if (leave_.press(HoldToLeave::Pointer)) {
        nextScreenId_ = MenuId;
    }
    return true;
}

void ActivityScreen::escapePressed() {
    if (leave_.press(HoldToLeave::Key)) {
        nextScreenId_ = MenuId;
    }
}

void ActivityScreen::leaveWhenHeld() {
    if (leave_.heldLongEnough()) {
        nextScreenId_ = MenuId;
    }
}

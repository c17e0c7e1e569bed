// SPDX-License-Identifier: GPL-3.0-or-later
#include "ActivityScreen.h"

ActivityScreen::ActivityScreen(ScreenServices& services)
    : services_(services), options_(services.files, services.unsavedSettings),
      list_(services.files, options_.language), stopButton_(services.clock) {}

std::uint32_t ActivityScreen::exerciseBackground(std::uint32_t setting, const Exercise* exercise) {
    if (setting != kUseExerciseColour || exercise == nullptr || exercise->colour == kNoOwnColour) {
        return setting;
    }
    return exercise->colour;
}

NextScreen ActivityScreen::update() {
    return nextScreenId_;
}

NextTurn ActivityScreen::nextTurn() const {
    return nextScreenId_.stays() ? NextTurn::never() : NextTurn::now();
}

void ActivityScreen::mouseUp(int, int) {
    contactHeld_ = 0;
}

void ActivityScreen::keyUp(int) {
    contactHeld_ = 0;
}

void ActivityScreen::mouseMove(int x, int y) {
    stopButton_.hoverTest(x, y);
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
    nextScreenId_ = MenuId;
    return true;
}

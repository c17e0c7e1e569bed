// SPDX-License-Identifier: GPL-3.0-or-later
#include "ActivityScreen.h"

#include "common/text/Utf8.h"
#include "game/input/KeyTimeGuard.h"
#include "game/platform/KeyCodes.h"
#include "game/screen/SettingsRow.h"

ActivityScreen::ActivityScreen(ScreenServices& services, ScreenId id)
    : ActivityScreen(services, id, PressRules{}) {}

ActivityScreen::ActivityScreen(ScreenServices& services, ScreenId id, PressRules rules)
    : services_(services), id_(id), options_(services.files, services.unsavedSettings),
      list_(services.files, options_.language), stopButton_(services.clock),
      leave_(services.clock, services.access.kioskLock,
             static_cast<std::uint32_t>(services.access.lockHoldTime)),
      rules_(rules) {}

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

void ActivityScreen::mouseDown(int x, int y) {
    if (stopButtonPressed(x, y) && !rules_.wayOutHoldsContact) {
        return;
    }
    if (!contactHeld_) {
        acceptPress();
    }
    if (rules_.mouseHoldsContact) {
        contactHeld_ = true;
    }
}

void ActivityScreen::keyDown(int key) {
    if (key == kKeyEscape) {
        escapePressed();
        if (!rules_.wayOutHoldsContact) {
            return;
        }
    } else if (!contactHeld_) {
        acceptPress();
    }
    contactHeld_ = true;
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

void ActivityScreen::acceptPress() {
    if (acceptPressAfterKeyTime(services_.clock, services_.lastPressTimes[id_], options_.keyTime)) {
        step();
    }
}

bool ActivityScreen::startList(std::string_view moreSettings) {
    const bool loaded = list_.loadList(options_.listName[id_], services_.errorBox);
    std::string own;
    addSetting(own, "list", toUtf8(options_.listName[id_]));
    addSetting(own, "exercises", std::to_string(list_.exercises.size()));
    if (!moreSettings.empty()) {
        own.append(";").append(moreSettings);
    }
    logSettings(services_, options_, own);
    if (!loaded) {
        nextScreenId_ = MenuId;
        return false;
    }
    shuffleWhenAsked();
    return true;
}

void ActivityScreen::listGoneThrough() {
    services_.log.note(LogEvent::Done);
    shuffleWhenAsked();
}

void ActivityScreen::shuffleWhenAsked() {
    if (options_.random[id_] == 1) {
        list_.shuffleExercises(services_.random);
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

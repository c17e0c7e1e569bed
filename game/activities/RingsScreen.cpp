// SPDX-License-Identifier: GPL-3.0-or-later
#include "RingsScreen.h"

#include "game/platform/KeyCodes.h"
#include "game/screen/SettingsRow.h"

#include <algorithm>
#include <utility>

namespace {

// Rings start small in the top-left corner and move right and down with every step.
constexpr int kFirstRingCorner = 10;
constexpr int kFirstRingSize = 10;
constexpr int kStepRight = 11;
constexpr int kStepDown = 6;
constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
// No ring grows beyond this, so that a pen width far outside the options screen's choices cannot
// overflow the geometry.
constexpr double kLargestRing = 1'000'000;

int grown(int size, int lineWidth) {
    const double next = static_cast<double>(size) + lineWidth * 0.75;
    return static_cast<int>(std::clamp(next, -kLargestRing, kLargestRing));
}

} // namespace

RingsScreen::RingsScreen(ScreenServices& services)
    : ActivityScreen(services, RingsId), reminder_(services.clock),
      ringSounds_(services.files, services.random, services.clock), music_(services.sound) {}

RingsScreen::~RingsScreen() {
    services_.sound.stop();
}

bool RingsScreen::begin(Graphics& offscreen, Graphics& window, Image& offscreenImage) {
    Screen::begin(offscreen, window, offscreenImage);
    logSettings(services_, options_);
    ringPenWidth_ = static_cast<float>(options_.lineWidth);
    loadStopButton(true);

    reminder_.load(u"gfx\\findimages\\reminder.png", offscreen_, false);
    reminder_.setPosition(400 - reminder_.width / 2, 300 - reminder_.height / 2);
    reminderShown_ = false;

    ringSounds_.fill(u"sfx\\sounds\\*.*");
    ringSounds_.shuffle();

    services_.sound.stop();
    complete_ = false;
    fresh_ = true;
    soundPending_ = true;
    contactHeld_ = false;
    pictureStartTime_ = services_.clock.milliseconds();
    prepareNextPicture();
    eraseRings();

    if (options_.musicOn[RingsId] == 1) {
        music_.open(u"music\\intro1.wav");
        music_.play();
    }
    return true;
}

NextScreen RingsScreen::update() {
    leaveWhenHeld();
    if (reminderShown_ && contactHeld_) {
        reminderShown_ = false;
        eraseRings();
    }
    const std::uint32_t now = services_.clock.milliseconds();
    switch (contactMode()) {
    case 0: // draw while held; the picture waits for the next press
        if (contactHeld_) {
            if (!complete_) {
                drawingStep();
            }
            if (complete_) {
                stopAndReArm();
            }
        } else if (!complete_) {
            stopAndReArm();
        } else {
            newPicture();
        }
        break;
    case 1: // draw while held; a release starts over
        if (contactHeld_) {
            if (!complete_) {
                drawingStep();
            }
        } else if (!fresh_) {
            newPicture();
        }
        break;
    case 2: // one press draws the whole picture
        if (!complete_ && (contactHeld_ || !fresh_)) {
            drawingStep();
        }
        if (complete_) {
            if (!waiting_) {
                waitStartTime_ = now;
                waiting_ = true;
            } else if (elapsedMilliseconds(now, waitStartTime_) > kWaitAfterPictureMs) {
                newPicture();
                waiting_ = false;
            }
        }
        break;
    default:
        break;
    }
    if (!contactHeld_ && fresh_ && !complete_ &&
        elapsedMilliseconds(now, pictureStartTime_) > kReminderDelayMs) {
        reminderShown_ = true;
    }
    return nextScreenId_;
}

NextTurn RingsScreen::nextTurn() const {
    if (!nextScreenId_.stays() || backgroundDue_ || !ringsDue_.empty() ||
        (reminderShown_ && contactHeld_)) {
        return NextTurn::now();
    }
    const std::uint32_t now = services_.clock.milliseconds();
    const bool held = contactHeld_;
    NextTurn next = holdTurn();
    bool drawing = false;
    switch (contactMode()) {
    case 0:
        drawing = held && !complete_;
        if (!held && complete_) {
            return NextTurn::now(); // a new picture
        }
        break;
    case 1:
        drawing = held && !complete_;
        if (!held && !fresh_) {
            return NextTurn::now(); // a new picture
        }
        break;
    case 2:
        drawing = !complete_ && (held || !fresh_);
        if (complete_) {
            if (!waiting_) {
                return NextTurn::now();
            }
            next = next.soonest(NextTurn::after(now, waitStartTime_, kWaitAfterPictureMs));
        }
        break;
    default:
        return NextTurn::now();
    }
    if (drawing) {
        if (stepDue_ || soundPending_ || options_.speedGame1 < 0) {
            return NextTurn::now();
        }
        next = next.soonest(
            NextTurn::after(now, lastStepTime_, static_cast<std::uint32_t>(options_.speedGame1)));
    }
    if (!held && fresh_ && !complete_ && !reminderShown_) {
        next = next.soonest(NextTurn::after(now, pictureStartTime_, kReminderDelayMs));
    }
    return next;
}

void RingsScreen::draw() {
    if (offscreen_ == nullptr) {
        return;
    }
    // The rings pile up on the offscreen image; only a new picture paints the background over them.
    if (backgroundDue_) {
        offscreen_->fillRectangle(RectF{0, 0, kScreenWidth, kScreenHeight},
                                  options_.backgroundColour[RingsId]);
        backgroundDue_ = false;
        overlayDue_ = true;
    }
    for (const Ring& ring : ringsDue_) {
        offscreen_->drawEllipse(ring.rect, ring.colour, ringPenWidth_);
    }
    // Drawn over the rings, and only when something beneath them or their look changed: drawn
    // again over itself, a picture with soft edges would change the frame every time.
    const bool overlayChanged = !ringsDue_.empty() || stopButton_.hover != overlayHover_ ||
                                reminderShown_ != overlayReminder_;
    ringsDue_.clear();
    if (overlayDue_ || overlayChanged) {
        drawStopButton();
        if (reminderShown_) {
            reminder_.draw();
        }
        overlayDue_ = false;
        overlayHover_ = stopButton_.hover;
        overlayReminder_ = reminderShown_;
    }
    present();
}

void RingsScreen::mouseDown(int x, int y) {
    if (stopButtonPressed(x, y)) {
        return;
    }
    keyDown(0);
}

void RingsScreen::keyDown(int key) {
    music_.stop();
    if (key == kKeyEscape) {
        escapePressed();
    } else {
        contactHeld_ = true;
    }
}

void RingsScreen::newPicture() {
    services_.sound.stop();
    complete_ = false;
    fresh_ = true;
    soundPending_ = true;
    contactHeld_ = false; // the child presses again for the next picture
    pictureStartTime_ = services_.clock.milliseconds();
    reminderShown_ = false;
    prepareNextPicture();
    eraseRings();
}

void RingsScreen::prepareNextPicture() {
    ringPenWidth_ = static_cast<float>(options_.lineWidth);
    // Without ring sounds the rings are drawn in silence.
    const std::u16string name = ringSounds_.next();
    soundPath_ = name.empty() ? std::u16string() : u"sfx\\sounds\\" + name;
    // Rings have no name of their own: the log names a picture by its sound, without extension.
    services_.log.note(LogEvent::Step, name.substr(0, name.rfind(u'.')));
}

void RingsScreen::eraseRings() {
    backgroundDue_ = true;
    ringsDue_.clear(); // the background would cover them
}

void RingsScreen::drawingStep() {
    if (soundPending_) {
        if (options_.soundOn[RingsId] == 1 && !soundPath_.empty()) {
            services_.sound.playLooping(soundPath_);
        }
        soundPending_ = false;
    }
    const std::uint32_t now = services_.clock.milliseconds();
    // A hand-edited negative speed draws a ring every turn.
    if (stepDue_ ||
        std::cmp_greater(elapsedMilliseconds(now, lastStepTime_), options_.speedGame1)) {
        complete_ = !addRing();
        lastStepTime_ = now;
        stepDue_ = false;
    }
}

bool RingsScreen::addRing() {
    if (fresh_) {
        ringX_ = ringY_ = kFirstRingCorner;
        ringWidth_ = ringHeight_ = kFirstRingSize;
        fresh_ = false;
    }
    // Checked before each ring, so the last ring drawn may reach past the edge. Rings that a
    // negative pen width shrinks end when their corner leaves the screen.
    if (ringX_ + std::max(ringWidth_, 0) > kScreenWidth ||
        ringY_ + std::max(ringHeight_, 0) > kScreenHeight) {
        return false;
    }
    const auto blue = static_cast<std::uint32_t>(services_.random.next() & 0xFF);
    const auto green = static_cast<std::uint32_t>(services_.random.next() & 0xFF);
    const auto red = static_cast<std::uint32_t>(services_.random.next() & 0xFF);
    const std::uint32_t colour = 0xFF000000u | red << 16 | green << 8 | blue;
    ringsDue_.push_back(Ring{RectF{static_cast<float>(ringX_), static_cast<float>(ringY_),
                                   static_cast<float>(ringWidth_), static_cast<float>(ringHeight_)},
                             colour});
    ringX_ += kStepRight;
    ringY_ += kStepDown;
    ringWidth_ = grown(ringWidth_, options_.lineWidth);
    ringHeight_ = grown(ringHeight_, options_.lineWidth);
    return true;
}

void RingsScreen::stopAndReArm() {
    services_.sound.stop();
    soundPending_ = true;
    stepDue_ = true;
}

int RingsScreen::contactMode() const {
    return options_.contactMode >= 0 && options_.contactMode <= 2 ? options_.contactMode : 0;
}

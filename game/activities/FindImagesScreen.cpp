// SPDX-License-Identifier: GPL-3.0-or-later
#include "FindImagesScreen.h"

#include "game/platform/KeyCodes.h"
#include "game/screen/ScanFrame.h"
#include "game/screen/ScanSetup.h"
#include "game/screen/SettingsRow.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace {

constexpr char16_t kPraiseFolder[] = u"sfx\\findimages\\sounds\\";

// The boxes the pictures are drawn fitted into: the picture to find above, the choices below.
constexpr DrawnBox kModelBox{400, 300};
constexpr DrawnBox kChoiceBox{200, 150};

// The pause after a right answer in milliseconds. The settings file may hold any number; a
// negative one means no pause, and a huge one must neither overflow nor outlast the clock's
// wrap, beyond which the elapsed time could no longer reach it.
std::uint32_t pauseMilliseconds(int seconds) {
    const std::int64_t ms = static_cast<std::int64_t>(seconds) * 1000;
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(ms, 0, INT32_MAX));
}

} // namespace

FindImagesScreen::FindImagesScreen(ScreenServices& services)
    : ActivityScreen(services, FindImagesId), model_(services.clock), divider_(services.clock),
      hoverFrame_(services.clock), praiseSounds_(services.files, services.random, services.clock),
      scanner_(services.clock, services.pointer, [this](int x, int y) { mouseDown(x, y); }) {}

FindImagesScreen::~FindImagesScreen() {
    services_.sound.stop();
    scanner_.clearTargets();
}

bool FindImagesScreen::begin(Graphics& offscreen, Graphics& window, Image& offscreenImage) {
    Screen::begin(offscreen, window, offscreenImage);
    // The row has room for four pictures; a hand-edited settings file may ask for more or none.
    picturesPerTask_ = std::clamp(options_.numFinds, 1, 4);
    std::string choices;
    addSetting(choices, "choices", std::to_string(picturesPerTask_));
    if (!startList(choices)) {
        return false;
    }
    praiseSounds_.fill(std::u16string(kPraiseFolder) + u"*.*");
    praiseSounds_.shuffle();

    loadStopButton(true);
    divider_.load(u"gfx\\findimages\\hDivider.png", offscreen_, true);
    hoverFrame_.load(u"gfx\\findimages\\selFrame.png", offscreen_, true);

    setUpScanning(
        scanner_, services_, options_,
        [this](std::size_t target) {
            return target < choiceSpeech_.size() ? choiceSpeech_[target] : std::u16string();
        },
        [this](std::size_t target) { return target < choices_.size() && choices_[target].mark; });
    startTask();

    if (options_.musicOn[FindImagesId] == 1) {
        services_.sound.playOnce(u"music\\intro3.wav");
    }
    return true;
}

void FindImagesScreen::startTask() {
    answerSoundPath_ = u"sfx\\images\\";
    services_.sound.stop();
    // The pointer stays where it was while the new choices come: a scanned one starts over below.
    const bool scanned = scanner_.framing();
    scanner_.clearTargets();
    choices_.clear();
    choiceSpeech_.clear();
    choiceNames_.clear();
    model_.release();

    if (list_.exercises.empty()) {
        // Nothing to offer: the background and the stop button stay, and Esc still leaves.
        backgroundColour_ = exerciseBackground(options_.backgroundColour[FindImagesId], nullptr);
    } else {
        choices_.reserve(static_cast<std::size_t>(picturesPerTask_));
        for (int k = 0; k < picturesPerTask_; ++k) {
            takeNextExercise(k == 0);
        }
        shuffleChoices();
        layOutChoices();
    }

    // The frame and the cursor start over together on the first choice, so that the next select
    // presses the choice the frame is on. Scanning that waits for its first press goes on waiting
    // (a press wakes it on the first choice anyway); once started, it goes on with the next task.
    if ((options_.oneContact != 0 || scanned) && !scanner_.resting()) {
        scanner_.restartFromFirst();
    }
    scanner_.restartTimer();
    answered_ = false;
    answerPending_ = true;
}

void FindImagesScreen::takeNextExercise(bool right) {
    if (exercisePosition_ >= list_.exercises.size()) {
        exercisePosition_ = 0;
    }
    const Exercise& exercise = list_.exercises[exercisePosition_];
    const std::u16string path = u"gfx\\images\\" + exercise.image;

    // Plain, not cached: the picture is drawn scaled into its set size, so no more of it is kept.
    Picture choice(services_.clock);
    choice.load(path, offscreen_, false, kChoiceBox);
    choice.setSize(static_cast<float>(kChoiceBox.width), static_cast<float>(kChoiceBox.height));
    // Fitted pictures are centred in their boxes, so a box's halves are the picture's halves
    // and covering half a box covers half the picture, whatever its shape.
    choice.setKeepsShape(true);
    if (right) {
        model_.load(path, offscreen_, false, kModelBox);
        model_.setSize(static_cast<float>(kModelBox.width), static_cast<float>(kModelBox.height));
        model_.setKeepsShape(true);
        model_.setPosition(200, 60);
        choice.mark = true;
        services_.log.note(LogEvent::Step, exercise.name);
        backgroundColour_ = exerciseBackground(options_.backgroundColour[FindImagesId], &exercise);
        answerSoundPath_ += exercise.sound;
    }
    choices_.push_back(std::move(choice));
    choiceNames_.push_back(exercise.name);
    choiceSpeech_.push_back(exercise.speech.empty()
                                ? std::u16string()
                                : u"speech\\" + options_.language + u"\\" + exercise.speech);

    // A list shorter than a task wraps within it, so an exercise can be offered twice; only the
    // copy taken first is right.
    if (++exercisePosition_ >= list_.exercises.size()) {
        exercisePosition_ = 0;
        listGoneThrough();
    }
}

void FindImagesScreen::shuffleChoices() {
    for (std::size_t i = choices_.size(); i > 1; --i) {
        const auto j =
            static_cast<std::size_t>(randomInRange(services_.random, 0, static_cast<int>(i) - 1));
        std::swap(choices_[i - 1], choices_[j]);
        std::swap(choiceSpeech_[i - 1], choiceSpeech_[j]);
        std::swap(choiceNames_[i - 1], choiceNames_[j]);
    }
}

void FindImagesScreen::layOutChoices() {
    divider_.setPosition(0, model_.y + model_.height + 35);
    const auto n = static_cast<unsigned>(choices_.size());
    const unsigned gap = (4u - n) * 200u / (n + 1u);
    const float dividerBottom = divider_.y + divider_.height;
    const int top = static_cast<int>((600.0f - dividerBottom) * 0.5f + dividerBottom - 75.0f);
    for (unsigned i = 0; i < n; ++i) {
        Picture& choice = choices_[i];
        choice.setPosition(static_cast<float>(gap + i * (gap + 200u)), static_cast<float>(top));
        scanner_.addTarget(&choice);
    }
}

NextScreen FindImagesScreen::update() {
    leaveWhenHeld();
    const std::uint32_t now = services_.clock.milliseconds();
    if (!answered_) {
        scanner_.tick();
    } else if (answerPending_) {
        answerPending_ = false;
        if (!services_.files.exists(answerSoundPath_)) {
            // With no praise sound either, the answer stays silent; the pause still runs.
            const std::u16string praise = praiseSounds_.next();
            answerSoundPath_ = praise.empty() ? std::u16string() : kPraiseFolder + praise;
        }
        if (options_.soundOn[FindImagesId] == 1 && !answerSoundPath_.empty()) {
            services_.sound.playOnce(answerSoundPath_);
        }
        pauseStart_ = now;
    } else if (elapsedMilliseconds(now, pauseStart_) > pauseMilliseconds(options_.findPause)) {
        startTask();
    }
    return nextScreenId_;
}

NextTurn FindImagesScreen::nextTurn() const {
    if (!nextScreenId_.stays() || (answered_ && answerPending_)) {
        return NextTurn::now();
    }
    if (!answered_) {
        return scanner_.nextTurn().soonest(holdTurn());
    }
    return NextTurn::after(services_.clock.milliseconds(), pauseStart_,
                           pauseMilliseconds(options_.findPause))
        .soonest(holdTurn());
}

void FindImagesScreen::draw() {
    if (!offscreen_) {
        return;
    }
    offscreen_->clear(backgroundColour_);
    drawStopButton();
    if (!choices_.empty()) {
        model_.draw();
        divider_.draw();
        if (!answered_) {
            // Only the model's left half shows while the child chooses.
            offscreen_->fillRectangle(
                RectF{model_.x + model_.width / 2, model_.y, model_.width, model_.height},
                backgroundColour_);
        }
        for (Picture& choice : choices_) {
            choice.draw();
        }
        if (!answered_) {
            // ... and only the choices' right halves.
            for (const Picture& choice : choices_) {
                offscreen_->fillRectangle(
                    RectF{choice.x, choice.y, choice.width / 2, choice.height}, backgroundColour_);
            }
            for (const Picture& choice : choices_) {
                if (usesBoldScanFrame(services_.access)) {
                    drawBoldScanFrame(*offscreen_, choice, services_.access);
                } else if (choice.hover) {
                    hoverFrame_.drawAt(choice.x - 7, choice.y - 7);
                }
            }
        }
    }
    present();
}

void FindImagesScreen::mouseDown(int x, int y) {
    if (scanner_.press()) {
        return; // it woke the resting scan
    }
    if (stopButtonPressed(x, y)) {
        return;
    }
    const auto right = std::find_if(choices_.begin(), choices_.end(),
                                    [](const Picture& choice) { return choice.mark; });
    if (right == choices_.end()) {
        return;
    }
    // During the pause after the right answer a press is only a press: nothing is chosen.
    if (!answered_) {
        const auto pressed =
            std::find_if(choices_.begin(), choices_.end(),
                         [x, y](const Picture& choice) { return choice.contains(x, y); });
        const std::u16string picked =
            pressed == choices_.end()
                ? std::u16string()
                : choiceNames_[static_cast<std::size_t>(pressed - choices_.begin())];
        if (pressed != choices_.end()) {
            services_.log.choice(LogEvent::Choose, picked);
        }
        services_.log.choice(right->contains(x, y) ? LogEvent::Correct : LogEvent::Wrong, picked);
    }
    if (right->contains(x, y)) {
        answered_ = true;
    } else if (!answered_ && options_.soundOn[FindImagesId] == 1) {
        services_.sound.playOnce(u"sfx\\findimages\\wrong.wav");
    }
}

void FindImagesScreen::mouseMove(int x, int y) {
    ActivityScreen::mouseMove(x, y);
    for (Picture& choice : choices_) {
        choice.hoverTest(x, y);
    }
}

void FindImagesScreen::keyDown(int key) {
    switch (key) {
    case kKeyEscape:
        escapePressed();
        break;
    case kKeySpace:
        scanner_.step();
        break;
    case kKeyEnter:
        scanner_.select();
        break;
    default:
        break;
    }
}

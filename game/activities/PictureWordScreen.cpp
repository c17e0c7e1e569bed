// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureWordScreen.h"

#include "common/pictures/ReadableText.h"
#include "common/pictures/WordFit.h"

#include <string>

namespace {

// The box the picture is drawn fitted into.
constexpr DrawnBox kPictureBox{600, 450};

} // namespace

PictureWordScreen::PictureWordScreen(ScreenServices& services)
    : ActivityScreen(services, PictureWordId, PressRules{.wayOutHoldsContact = false}),
      picture_(services.clock), word_(services.clock),
      fallbackSounds_(services.files, services.random, services.clock) {}

PictureWordScreen::~PictureWordScreen() {
    services_.sound.stop();
}

bool PictureWordScreen::begin(Graphics& offscreen, Graphics& window, Image& offscreenImage) {
    Screen::begin(offscreen, window, offscreenImage);
    if (!startList()) {
        return false;
    }
    if (options_.capsOn == 1) {
        list_.upperCaseTexts(CharacterRules(options_.language));
    }
    fallbackSounds_.fill(u"sfx\\paint\\*.*");
    fallbackSounds_.shuffle();

    loadStopButton(false);
    offscreen_->clear(options_.backgroundColour[PictureWordId]);
    picture_.setTarget(offscreen_);
    picture_.setKeepsShape(true);
    word_.setTarget(offscreen_);
    word_.setText(u"");
    word_.setFontSize(kWordPixels);
    word_.setTextLinesCentred(true);

    // The first exercise shows at once, unless the child left and came back within the key time.
    acceptPress();

    if (options_.musicOn[PictureWordId] == 1) {
        services_.sound.playOnce(u"music\\intro5.wav");
    }
    return true;
}

void PictureWordScreen::step() {
    // A list without exercises has nothing to show or say; the screen stays usable.
    if (list_.exercises.empty()) {
        return;
    }
    if (stage_ > 3) {
        stage_ = 0;
    }
    switch (stage_) {
    case 0:
        showNextExercise();
        break;
    case 1:
    case 2:
        speak();
        break;
    default:
        takeAway();
        break;
    }
    ++stage_;
}

void PictureWordScreen::showNextExercise() {
    ++exercisePosition_;
    if (exercisePosition_ >= static_cast<int>(list_.exercises.size())) {
        exercisePosition_ = 0;
        listGoneThrough();
    }
    const Exercise& exercise = *currentExercise();
    services_.log.note(LogEvent::Step, exercise.name);
    // Plain, not cached: drawn scaled into its set size, so no more of it is kept.
    picture_.load(u"gfx\\images\\" + exercise.image, offscreen_, false, kPictureBox);
    picture_.setSize(static_cast<float>(kPictureBox.width), static_cast<float>(kPictureBox.height));
    if (options_.textOn == 1 && !exercise.text.empty()) {
        picture_.setPosition(400 - picture_.width / 2, 0);
        const FittedWord fitted =
            fitWord(exercise.text, [this](std::u16string_view line, int pixels) {
                return word_.textWidthAt(line, pixels);
            });
        word_.setFontSize(fitted.pixels);
        word_.setText(fitted.text);
        word_.setTextPosition(400 - word_.textRect.width / 2, picture_.y + picture_.height + 20);
        // The word is spoken together with its first showing.
        ++stage_;
        speak();
    } else {
        picture_.setPosition(400 - picture_.width / 2, 300 - picture_.height / 2);
    }
}

void PictureWordScreen::speak() {
    const Exercise& exercise = *currentExercise();
    if (options_.speechOn == 1) {
        const std::u16string speech = u"speech\\" + options_.language + u"\\" + exercise.speech;
        if (services_.files.exists(speech)) {
            play(speech);
            return;
        }
        // Without a recording the exercise's sound speaks for it.
    } else if (options_.speechOn != 0) {
        return;
    }
    std::u16string sound = u"sfx\\images\\" + exercise.sound;
    if (!services_.files.exists(sound)) {
        // The same fallback for both speaking presses: it moves on only at the take-away.
        const std::u16string fallback = fallbackSounds_.current();
        sound = fallback.empty() ? std::u16string() : u"sfx\\paint\\" + fallback;
    }
    play(sound);
}

void PictureWordScreen::takeAway() {
    fallbackSounds_.next();
    play(u"sfx\\click.wav");
    picture_.release();
}

void PictureWordScreen::play(const std::u16string& path) {
    if (options_.soundOn[PictureWordId] == 1 && !path.empty()) {
        services_.sound.playOnce(path);
    }
}

const Exercise* PictureWordScreen::currentExercise() const {
    if (exercisePosition_ < 0 || exercisePosition_ >= static_cast<int>(list_.exercises.size())) {
        return nullptr;
    }
    return &list_.exercises[static_cast<std::size_t>(exercisePosition_)];
}

std::uint32_t PictureWordScreen::backgroundColour() const {
    return exerciseBackground(options_.backgroundColour[PictureWordId], currentExercise());
}

void PictureWordScreen::draw() {
    if (!offscreen_) {
        return;
    }
    const std::uint32_t background = backgroundColour();
    offscreen_->clear(background);
    picture_.draw();
    const Exercise* exercise = currentExercise();
    if (options_.textOn == 1 && stage_ <= 3 && exercise != nullptr && !exercise->text.empty()) {
        // Black or white, whichever the child can read on this exercise's background.
        word_.setTextColour(readableTextColour(background));
        word_.drawText();
    }
    drawStopButton();
    present();
}

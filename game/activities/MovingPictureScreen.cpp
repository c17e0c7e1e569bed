// SPDX-License-Identifier: GPL-3.0-or-later
#include "MovingPictureScreen.h"

#include "game/platform/KeyCodes.h"

namespace {

constexpr float kScreenWidth = 800;
constexpr float kScreenHeight = 600;
// A diagonal goes further across than up or down: the screen's 4 : 3.
constexpr float kDiagonalFactor = 1.3333334f;
constexpr int kDefaultSpeed = 50;
// One display refresh at 60 frames a second, the most a picture set moving waits to move.
constexpr std::uint32_t kOneRefreshMs = 16;

// How a direction moves the picture: one of -1, 0 and +1 across and down.
struct Heading {
    int across;
    int down;
};

// Up, right, down, left, then the four corners: from the lower left up and right, from the lower
// right up and left, from the upper right down and left, from the upper left down and right.
constexpr Heading kHeadings[8] = {{0, -1}, {1, 0},   {0, 1},  {-1, 0},
                                  {1, -1}, {-1, -1}, {-1, 1}, {1, 1}};

// An x and a y: a position, or a velocity in pixels a second.
struct XY {
    float x;
    float y;
};

// Where a picture of w x h coming from `direction` starts: only a strip of it lies inside the
// screen (or a corner piece), as deep as 15 % of its width in every direction, at a random place
// along its edge.
XY startOf(int direction, float w, float h, RandomGenerator& random) {
    const float strip = w * 0.15f;
    const float corner = 2 * strip * kDiagonalFactor;
    const float cornerDepth = 2 * strip;
    // A picture larger than the screen gives a negative bound: it then starts between the bound
    // and 0, still reaching across the whole screen.
    auto randomStart = [&random](float bound) {
        return static_cast<float>(randomInRange(random, 0, static_cast<int>(bound)));
    };
    switch (direction) {
    case 0:
        return {randomStart(kScreenWidth - w), kScreenHeight - strip};
    case 1:
        return {strip - w, randomStart(kScreenHeight - h)};
    case 2:
        return {randomStart(kScreenWidth - w), strip - h};
    case 3:
        return {kScreenWidth - strip, randomStart(kScreenHeight - h)};
    case 4:
        return {corner - w, kScreenHeight - cornerDepth};
    case 5:
        return {kScreenWidth - corner, kScreenHeight - cornerDepth};
    case 6:
        return {kScreenWidth - corner, cornerDepth - h};
    default:
        return {corner - w, cornerDepth - h};
    }
}

// The velocity of `direction` at the speed setting, in whole pixels a second.
XY velocityOf(int direction, int speed) {
    // A settings file edited by hand could ask for no speed at all, or for so little that the
    // picture would never move; such values take the usual speed.
    if (speed < 1 || speed > 1000) {
        speed = kDefaultSpeed;
    }
    const int perUnit = 1000 / speed;
    const Heading heading = kHeadings[direction];
    int velocityX = perUnit * heading.across * 5;
    const int velocityY = perUnit * heading.down * 5;
    if (velocityX != 0 && velocityY != 0) {
        velocityX = static_cast<int>(static_cast<float>(velocityX) * kDiagonalFactor);
    }
    return {static_cast<float>(velocityX), static_cast<float>(velocityY)};
}

} // namespace

MovingPictureScreen::MovingPictureScreen(ScreenServices& services)
    : ActivityScreen(services, MovingPictureId), picture_(services.clock),
      fallbackSounds_(services.files, services.random, services.clock), music_(services.sound),
      directions_(8, services.random) {}

// The music player, destroyed after this, stops and closes its device itself.
MovingPictureScreen::~MovingPictureScreen() {
    services_.sound.stop();
}

bool MovingPictureScreen::begin(Graphics& offscreen, Graphics& window, Image& offscreenImage) {
    Screen::begin(offscreen, window, offscreenImage);
    if (!startList()) {
        return false;
    }
    picture_.setTarget(offscreen_);
    loadStopButton(true);
    fallbackSounds_.fill(u"sfx\\sounds\\*.*");
    fallbackSounds_.shuffle();
    directions_.start();
    startNextExercise();
    if (options_.musicOn[MovingPictureId] == 1) {
        music_.open(u"music\\intro6.wav");
        music_.play();
    }
    return true;
}

NextScreen MovingPictureScreen::update() {
    leaveWhenHeld();
    if (!contactHeld_) {
        // Standing still must not count as time to catch up on when the picture moves again.
        picture_.restartMotionClock();
        return nextScreenId_;
    }
    picture_.move();
    if (options_.soundOn[MovingPictureId] == 1 && !soundPath_.empty()) {
        // Asked for every turn; it starts again only once the previous one has ended.
        services_.sound.playOnceUnlessBusy(soundPath_);
    }
    if (pictureHasLeftTheScreen()) {
        startNextExercise();
    }
    return nextScreenId_;
}

NextTurn MovingPictureScreen::nextTurn() const {
    return contactHeld_ || !nextScreenId_.stays() ? NextTurn::now() : holdTurn();
}

std::uint32_t MovingPictureScreen::backgroundColour() const {
    // Grey asks for the colour of the exercise on the screen.
    const bool shown = exercisePosition_ < list_.exercises.size();
    return exerciseBackground(options_.backgroundColour[MovingPictureId],
                              shown ? &list_.exercises[exercisePosition_] : nullptr);
}

void MovingPictureScreen::draw() {
    if (offscreen_ == nullptr) {
        return;
    }
    offscreen_->clear(backgroundColour());
    picture_.draw();
    drawStopButton();
    present();
}

void MovingPictureScreen::keyDown(int key) {
    music_.stop();
    if (key == kKeyEscape) {
        escapePressed();
    }
    if (released_ && !contactHeld_) {
        // The game slept while nothing moved, so the last turn may be long past: the motion is
        // measured from the start of the contact, never from the standing before it; and as if
        // it began a display refresh before, so that the turn of the press already moves the
        // picture and the child sees the answer at once, not a refresh later.
        picture_.restartMotionClock(kOneRefreshMs);
    }
    if (released_) {
        contactHeld_ = true;
    }
    released_ = false;
}

void MovingPictureScreen::keyUp(int) {
    leave_.release();
    if (options_.movie == 0) {
        contactHeld_ = false;
        services_.sound.stop();
    }
    released_ = true;
}

void MovingPictureScreen::mouseDown(int x, int y) {
    stopButtonPressed(x, y);
    keyDown(0);
}

void MovingPictureScreen::mouseUp(int, int) {
    keyUp(0);
}

void MovingPictureScreen::startNextExercise() {
    services_.sound.stop();
    contactHeld_ = false;
    // An empty list has no exercise to show: the screen keeps its background and stop button.
    const std::size_t count = list_.exercises.size();
    if (count == 0) {
        return;
    }
    // The position moves on first, so the list's first exercise comes after its last.
    ++exercisePosition_;
    if (exercisePosition_ >= count) {
        exercisePosition_ = 0;
        listGoneThrough();
    }
    setUpMotion();

    const Exercise& exercise = list_.exercises[exercisePosition_];
    soundPath_ = u"sfx\\images\\" + exercise.sound;
    if (!services_.files.exists(soundPath_)) {
        // Without any sound to fall back on the picture moves in silence.
        soundPath_ = fallbackSounds_.names().empty() ? std::u16string()
                                                     : u"sfx\\sounds\\" + fallbackSounds_.next();
    }
}

void MovingPictureScreen::setUpMotion() {
    services_.random.seed(services_.clock.wallSeconds());
    picture_.release();
    picture_.load(u"gfx\\images\\" + list_.exercises[exercisePosition_].image, offscreen_, true);
    services_.log.note(LogEvent::Step, list_.exercises[exercisePosition_].name);

    const int direction = directions_.current();
    const XY start = startOf(direction, picture_.width, picture_.height, services_.random);
    picture_.setPosition(start.x, start.y);
    const XY velocity = velocityOf(direction, options_.speedGame6);
    picture_.setVelocity(velocity.x, velocity.y);

    directions_.advance();
}

bool MovingPictureScreen::pictureHasLeftTheScreen() const {
    return picture_.x > kScreenWidth || picture_.x + picture_.width < 0 ||
           picture_.y > kScreenHeight || picture_.y + picture_.height < 0;
}

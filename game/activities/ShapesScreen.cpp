// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShapesScreen.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

namespace {

// The stages of one cycle of presses.
constexpr int kNewSet = 0;
constexpr int kShowing = 1;
constexpr int kHiding = 2;
constexpr int kDone = 3;

std::u16string decimal(int number) {
    const std::string digits = std::to_string(number);
    return std::u16string(digits.begin(), digits.end());
}

// The box each picture of a set is drawn fitted into; none for the set sizes that leave the
// pictures where and as large as they were loaded.
std::optional<DrawnBox> setBox(int setSize) {
    switch (setSize) {
    case 1:
    case 2:
    case 4:
        return DrawnBox{400, 300};
    case 8:
        return DrawnBox{200, 150};
    default:
        return std::nullopt;
    }
}

template <std::size_t... Index>
std::array<Picture, sizeof...(Index)> picturesOn(const Clock& clock,
                                                 std::index_sequence<Index...>) {
    return {((void)Index, Picture(clock))...};
}

} // namespace

ShapesScreen::ShapesScreen(ScreenServices& services, int)
    : ActivityScreen(services, ShapesId, PressRules{.mouseHoldsContact = false}),
      patterns_(picturesOn(services.clock, std::make_index_sequence<kPictures>())),
      variants_(4, services.random), stepSounds_(services.files, services.random, services.clock) {}

ShapesScreen::~ShapesScreen() {
    services_.sound.stop();
}

bool ShapesScreen::begin(Graphics& offscreen, Graphics& window, Image& offscreenImage) {
    Screen::begin(offscreen, window, offscreenImage);
    // A settings file edited by hand may ask for any number; there are eight pictures, and a set
    // needs at least one for a press to show anything.
    setSize_ = std::clamp(options_.numPatterns, 1, kPictures);

    if (!startList()) {
        return false;
    }
    loadStopButton(false);
    for (Picture& picture : patterns_) {
        picture.setTarget(offscreen_);
        picture.setKeepsShape(true); // an adult's picture of any shape shows undistorted
    }
    variants_.start();

    loadSet();
    chooseSounds();
    stage_ = kShowing;

    if (options_.musicOn[ShapesId] == 1) {
        services_.sound.playOnce(u"music\\intro2.wav");
    }
    return true;
}

std::uint32_t ShapesScreen::backgroundColour() const {
    // Grey asks for the colour of the exercise the next set starts with.
    const bool shown = exercisePosition_ < list_.exercises.size();
    return exerciseBackground(options_.backgroundColour[ShapesId],
                              shown ? &list_.exercises[exercisePosition_] : nullptr);
}

void ShapesScreen::draw() {
    if (offscreen_ == nullptr) {
        return;
    }
    offscreen_->clear(backgroundColour());
    for (int c = 0; c < setSize_; ++c) {
        if (patterns_[static_cast<std::size_t>(c)].hover) {
            patterns_[static_cast<std::size_t>(c)].draw();
        }
    }
    drawStopButton();
    present();
}

void ShapesScreen::step() {
    if (stage_ > kDone) {
        stage_ = kNewSet;
    }
    if (stage_ == kNewSet) {
        loadSet();
        chooseSounds();
        stage_ = kShowing;
    }

    const auto used = patterns_.begin() + setSize_;
    if (stage_ == kShowing) {
        const auto hidden =
            std::find_if(patterns_.begin(), used, [](const Picture& p) { return !p.hover; });
        if (hidden != used) {
            hidden->hover = true;
            services_.log.note(LogEvent::Step,
                               names_[static_cast<std::size_t>(hidden - patterns_.begin())]);
        }
        if (!stepSounds_.names().empty()) {
            playStep(stepSounds_.next());
        }
        if (std::all_of(patterns_.begin(), used, [](const Picture& p) { return p.hover; })) {
            stage_ = kHiding;
        }
    } else if (stage_ == kHiding) {
        for (auto shown = used; shown != patterns_.begin();) {
            --shown;
            if (shown->hover) {
                shown->hover = false;
                break;
            }
        }
        if (!stepSounds_.names().empty()) {
            const std::u16string name = stepSounds_.previous();
            // With one picture the done sound comes with this press instead.
            if (setSize_ != 1) {
                playStep(name);
            }
        }
        if (std::none_of(patterns_.begin(), used, [](const Picture& p) { return p.hover; })) {
            stage_ = kDone;
        }
        if (setSize_ == 1) {
            playDone();
            ++stage_;
        }
    } else if (stage_ == kDone) {
        playDone();
        stage_ = kDone + 1;
    }
}

void ShapesScreen::loadSet() {
    for (Picture& picture : patterns_) {
        picture.release();
    }
    // An empty list gives empty pictures: there is no exercise to read.
    const std::size_t count = list_.exercises.size();
    // No more of a picture is kept than shows in its box.
    const DrawnBox drawnIn = setBox(setSize_).value_or(DrawnBox{});
    for (int c = 0; c < setSize_ && count > 0; ++c) {
        patterns_[static_cast<std::size_t>(c)].load(u"gfx\\images\\" +
                                                        list_.exercises[exercisePosition_].image,
                                                    offscreen_, false, drawnIn);
        names_[static_cast<std::size_t>(c)] = list_.exercises[exercisePosition_].name;
        ++exercisePosition_;
        if (exercisePosition_ >= count) {
            exercisePosition_ = 0;
            listGoneThrough();
        }
    }
    layOutSet();
}

void ShapesScreen::layOutSet() {
    // Other set sizes keep the pictures where and as large as they were loaded.
    const std::optional<DrawnBox> box = setBox(setSize_);
    if (!box) {
        return;
    }
    struct Place {
        float x;
        float y;
    };
    auto place = [this, &box](std::initializer_list<Place> places) {
        std::size_t c = 0;
        for (const Place& p : places) {
            patterns_[c].setPosition(p.x, p.y);
            patterns_[c].setSize(static_cast<float>(box->width), static_cast<float>(box->height));
            ++c;
        }
    };
    switch (setSize_) {
    case 1:
        place({{200, 150}});
        break;
    case 2:
        place({{0, 150}, {400, 150}});
        break;
    case 4:
        place({{0, 0}, {400, 0}, {0, 300}, {400, 300}});
        break;
    default: // 8
        place({{0, 100},
               {200, 100},
               {400, 100},
               {600, 100},
               {0, 350},
               {200, 350},
               {400, 350},
               {600, 350}});
        break;
    }
}

void ShapesScreen::chooseSounds() {
    stepSounds_.clear();
    soundFolder_ = u"sfx\\shapes\\" + decimal(setSize_) + u"\\";
    // Each new set takes the next of the four variants; all four come before any repeats.
    const int variant = variants_.current();
    variants_.advance();
    stepSounds_.fill(soundFolder_ + u"step" + decimal(variant) + u"*.*");
    doneSound_ = soundFolder_ + u"done" + decimal(variant) + u".wav";
}

void ShapesScreen::playStep(const std::u16string& name) {
    if (options_.soundOn[ShapesId] == 1) {
        services_.sound.playOnce(soundFolder_ + name);
    }
}

void ShapesScreen::playDone() {
    if (options_.soundOn[ShapesId] == 1) {
        services_.sound.playOnce(doneSound_);
    }
}

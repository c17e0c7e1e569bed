// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaintScreen.h"

#include "game/screen/SettingsRow.h"

#include <string_view>

namespace {

constexpr std::u16string_view kPaintFolder = u"gfx\\paint\\";
// A frame is named base name + two digits + a three-letter extension: cat01.png.
constexpr std::size_t kNumberAndExtension = 6;
constexpr float kFrameScale = 1.5f;

// The name without its last characters; empty when it has no more than those.
std::u16string withoutEnd(std::u16string_view name, std::size_t count) {
    return name.size() > count ? std::u16string(name.substr(0, name.size() - count))
                               : std::u16string();
}

} // namespace

PaintScreen::PaintScreen(ScreenServices& services)
    : ActivityScreen(services, PaintId), frame_(services.clock),
      paintSounds_(services.files, services.random, services.clock),
      pictures_(services.files, services.random, services.clock) {}

PaintScreen::~PaintScreen() {
    services_.sound.stop();
}

bool PaintScreen::begin(Graphics& offscreen, Graphics& window, Image& offscreenImage) {
    Screen::begin(offscreen, window, offscreenImage);
    logSettings(services_, options_);
    loadStopButton(true);

    pictures_.fill(std::u16string(kPaintFolder) + u"*01.*");
    if (options_.random[PaintId] == 1) {
        pictures_.shuffle();
    }
    loadPicture();

    // In folder order, carried on from picture to picture.
    paintSounds_.fill(u"sfx\\paint\\paint*.*");

    if (options_.musicOn[PaintId] == 1) {
        services_.sound.playOnce(u"music\\intro4.wav");
    }
    return true;
}

void PaintScreen::draw() {
    if (offscreen_ == nullptr) {
        return;
    }
    offscreen_->clear(options_.backgroundColour[PaintId]);
    if (currentFrame_ != nullptr) {
        currentFrame_->draw();
    }
    drawStopButton();
    present();
}

void PaintScreen::loadPicture() {
    currentFrame_ = nullptr;
    frame_.release();
    framePaths_.clear();
    frameIndex_ = 0;

    // An empty gfx\paint\ has no picture to name, and a name too short for a frame number and
    // extension has no series: the picture then has no frames.
    const std::u16string first = pictures_.next();
    if (first.size() < kNumberAndExtension) {
        return;
    }
    const std::u16string base = withoutEnd(first, kNumberAndExtension);
    // Frames 01 to 09, in the order the folder lists them.
    for (const std::u16string& name :
         services_.files.list(std::u16string(kPaintFolder) + base + u"0*.*", FolderEntries::Skip)) {
        framePaths_.push_back(std::u16string(kPaintFolder) + name);
    }
    if (!framePaths_.empty()) {
        showFrame(0);
        // A new series is a new picture for the log, named by its frames' base name.
        services_.log.note(LogEvent::Step, base);
    }
}

void PaintScreen::showFrame(std::size_t index) {
    frame_.release();
    // Drawn half as large again as the file, and so never into a box smaller than what the whole
    // offscreen image shows of it: kept at most as large as fits there.
    frame_.load(framePaths_[index], offscreen_, false);
    frame_.setSize(frame_.width * kFrameScale, frame_.height * kFrameScale);
    frame_.setPosition(400 - frame_.width / 2, 300 - frame_.height / 2);
    currentFrame_ = &frame_;
}

void PaintScreen::step() {
    ++frameIndex_;
    if (frameIndex_ < framePaths_.size()) {
        showFrame(frameIndex_);
        const std::u16string name = paintSounds_.next();
        stepSound(name.empty() ? std::u16string() : u"sfx\\paint\\" + name);
    } else if (frameIndex_ == framePaths_.size()) {
        // The picture's own sound, named after its frames: gfx\paint\cat05.png gives
        // sfx\images\cat.wav. The last frame stays on screen.
        const std::u16string framePath =
            framePaths_.empty() ? std::u16string() : framePaths_.back();
        const std::u16string frameName = framePath.size() > kPaintFolder.size()
                                             ? framePath.substr(kPaintFolder.size())
                                             : std::u16string();
        stepSound(u"sfx\\images\\" + withoutEnd(frameName, kNumberAndExtension) + u".wav");
    } else {
        loadPicture();
    }
}

void PaintScreen::stepSound(const std::u16string& path) {
    if (options_.soundOn[PaintId] == 1) {
        if (!path.empty()) {
            services_.sound.playOnce(path);
        }
    } else {
        services_.sound.stop();
    }
}

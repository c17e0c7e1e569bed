// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/Picture.h"

#include "common/pictures/PictureFit.h"

#include <cmath>
#include <limits>

namespace {

constexpr char16_t kTextFamily[] = u"Comic Sans MS";

// Towards zero, as the game's geometry is cut to whole pixels. A picture that has drifted far off
// the screen (or was given a size that is not a number) must not turn into undefined behaviour.
int truncateToInt(float value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= 2147483520.0f) { // the largest float below 2^31
        return std::numeric_limits<int>::max();
    }
    if (value <= -2147483648.0f) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(value);
}

float truncated(float value) {
    return static_cast<float>(truncateToInt(value));
}

} // namespace

Picture::Picture(const Clock& clock) : motionClock_(clock) {}

Picture::~Picture() {
    release();
}

bool Picture::load(std::u16string_view path, Graphics* target, bool cached, DrawnBox drawnIn) {
    if (target == nullptr) {
        return false;
    }
    image_.reset();
    target_ = target;
    image_ = target->loadImage(path, cached, drawnIn);
    if (!image_) {
        return false;
    }
    cached_ = cached;
    width = static_cast<float>(image_->width());
    height = static_cast<float>(image_->height());
    return true;
}

void Picture::setFrameColour(std::uint32_t argb) {
    if (!framePen_) {
        framePen_ = Pen{argb, static_cast<float>(penWidth)};
    }
    framePen_->argb = argb;
}

void Picture::setFramePenWidth(int newWidth) {
    if (!framePen_) {
        framePen_ = Pen{0xFFFFFFFF, static_cast<float>(penWidth)};
    }
    framePen_->width = static_cast<float>(newWidth);
}

bool Picture::contains(int px, int py) const {
    const float fx = static_cast<float>(px);
    const float fy = static_cast<float>(py);
    return fx >= x && fx <= x + width && fy >= y && fy <= y + height;
}

void Picture::draw() {
    if (target_ == nullptr || !image_) {
        return;
    }
    if (cached_) {
        // Never scaled: the set size only matters to hit tests, centres and frames.
        target_->drawImage(*image_, truncateToInt(x), truncateToInt(y));
    } else if (keepsShape_) {
        target_->drawImage(
            *image_, fitInside(image_->width(), image_->height(), RectF{x, y, width, height}));
    } else {
        target_->drawImage(*image_, RectF{x, y, width, height});
    }
}

void Picture::drawAt(float atX, float atY) {
    const float savedX = x;
    const float savedY = y;
    x = atX;
    y = atY;
    draw();
    x = savedX;
    y = savedY;
}

void Picture::drawFrame() {
    const int m = frameMargin;
    const int h = m / 2;
    if (!hover || target_ == nullptr || !framePen_) {
        return;
    }
    const RectF frame{truncated(x - static_cast<float>(h)), truncated(y - static_cast<float>(h)),
                      truncated(width + static_cast<float>(m)),
                      truncated(height + static_cast<float>(m))};
    target_->drawRectangle(frame, framePen_->argb, framePen_->width);
}

void Picture::move() {
    motionClock_.tick();
    x += velocityX * motionClock_.dt;
    y += velocityY * motionClock_.dt;
}

void Picture::release() {
    image_.reset();
    framePen_.reset();
    textBoxPen_.reset();
    font_.reset();
    fontWanted_ = false;
    textBrush_.reset();
    boxBrush_.reset();
    hover = false;
}

void Picture::makeFontIfWanted() {
    if (!font_ && fontWanted_ && target_ != nullptr) {
        font_ = target_->createFont(kTextFamily, static_cast<float>(fontPixels_), FontUnit::Pixel);
    }
}

void Picture::setText(std::u16string_view newText) {
    text = newText;
    fontWanted_ = true;
    makeFontIfWanted();
    if (!textBrush_) {
        textBrush_ = 0xFFFFFFFF;
    }
    if (!textBoxPen_) {
        textBoxPen_ = Pen{0xFF000000, 1.0f};
    }
    if (!boxBrush_) {
        boxBrush_ = 0xFF000000;
    }
    if (target_ != nullptr && font_) {
        textRect = target_->measureString(text, *font_);
        textRect.x = 0;
        textRect.y = 0;
    }
}

void Picture::setFontSize(int pixels) {
    fontPixels_ = pixels;
    fontWanted_ = true;
    font_.reset();
    makeFontIfWanted();
}

void Picture::setTextColour(std::uint32_t argb) {
    textBrush_ = argb;
}

void Picture::setBoxColours(std::uint32_t fill, std::uint32_t outline) {
    boxBrush_ = fill;
    if (!textBoxPen_) {
        textBoxPen_ = Pen{outline, 1.0f};
    }
    textBoxPen_->argb = outline;
}

void Picture::centreTextOnPicture() {
    centreTextHorizontallyOnPicture();
    centreTextVerticallyOnPicture();
}

void Picture::centreTextHorizontallyOnPicture() {
    textRect.x = x + width * 0.5f - textRect.width * 0.5f;
}

void Picture::centreTextVerticallyOnPicture() {
    textRect.y = y + height * 0.5f - textRect.height * 0.5f;
}

void Picture::centreTextInWidth(int w) {
    textRect.x = static_cast<float>(w / 2) - textRect.width * 0.5f;
}

float Picture::textWidthAt(std::u16string_view line, int pixels) {
    makeFontIfWanted();
    if (target_ == nullptr || !font_ || fontPixels_ <= 0) {
        return 0;
    }
    // Letters grow in proportion to the font's height, so the width at another height is scaled
    // from the font already open: fitting a word opens no font for each height it tries.
    return target_->measureString(line, *font_).width * static_cast<float>(pixels) /
           static_cast<float>(fontPixels_);
}

void Picture::drawText() {
    makeFontIfWanted();
    if (target_ == nullptr || !font_ || !textBrush_) {
        return;
    }
    target_->drawString(text, *font_, textRect, *textBrush_,
                        linesCentred_ ? TextAlignment::Centre : TextAlignment::Near);
}

void Picture::drawBox() {
    if (target_ == nullptr) {
        return;
    }
    if (boxBrush_) {
        target_->fillRectangle(textRect, *boxBrush_);
    }
    if (textBoxPen_) {
        target_->drawRectangle(textRect, textBoxPen_->argb, textBoxPen_->width);
    }
}

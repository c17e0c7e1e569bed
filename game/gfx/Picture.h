// SPDX-License-Identifier: GPL-3.0-or-later
// Everything visible in the game is a Picture: a positioned, sized item that can hold an image
// (drawn scaled, or cached and drawn at its own size), a hover frame drawn while the pointer is
// over it, a linear motion driven by elapsed time, and a text box. The picture owns what it
// creates; its target surface is borrowed.
#pragma once

#include "game/gfx/FrameTimer.h"
#include "game/gfx/Graphics.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class Picture {
public:
    explicit Picture(const Clock& clock);
    Picture(Picture&&) noexcept = default;
    Picture& operator=(Picture&&) noexcept = default;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    ~Picture();

    // Loads the image and takes its pixel size. False (nothing changed) when target is null;
    // true otherwise, also when the file is missing (the size is then 0 x 0). A plain picture whose
    // screen knows the box it will be drawn fitted into keeps no more pixels than show there.
    bool load(std::u16string_view path, Graphics* target, bool cached, DrawnBox drawnIn = {});
    void setTarget(Graphics* target) { target_ = target; }
    Graphics* target() const { return target_; }

    void setPosition(float newX, float newY) { x = newX, y = newY; }
    void setSize(float newWidth, float newHeight) { width = newWidth, height = newHeight; }
    void setVelocity(float vx, float vy) { velocityX = vx, velocityY = vy; }
    void setFrameMargin(int margin) { frameMargin = margin; }
    // A plain picture that keeps its shape is drawn fitted inside its set size, centred, rather
    // than stretched to fill it. Hit tests and frames still use the whole set size.
    void setKeepsShape(bool keeps) { keepsShape_ = keeps; }
    void setFrameColour(std::uint32_t argb);
    // Changes the frame pen's width only; the stored pen width stays.
    void setFramePenWidth(int width);

    float centreX() const { return x + width * 0.5f; }
    float centreY() const { return y + height * 0.5f; }
    // Both edges included.
    bool contains(int px, int py) const;
    void hoverTest(int px, int py) { hover = contains(px, py); }

    void draw();
    void drawAt(float atX, float atY);
    void drawFrame();
    void move();
    // The next move measures from now, or from `alreadyMilliseconds` before now.
    void restartMotionClock(std::uint32_t alreadyMilliseconds = 0) {
        motionClock_.restart(alreadyMilliseconds);
    }
    // Frees the image, pens, brushes and font; hover becomes false. Position, size, motion and text
    // stay.
    void release();

    // The text box. Set the font size before the text, the text before its position.
    void setText(std::u16string_view newText);
    void setFontSize(int pixels);
    void setTextColour(std::uint32_t argb);
    void setBoxColours(std::uint32_t fill, std::uint32_t outline);
    void setTextPosition(float tx, float ty) { textRect.x = tx, textRect.y = ty; }
    void centreTextOnPicture();
    void centreTextHorizontallyOnPicture();
    void centreTextVerticallyOnPicture();
    void centreTextInWidth(int w);
    // The width of one line of `line` in the text's font at `pixels` high, scaled from the font's
    // own height; 0 without a target or a font.
    float textWidthAt(std::u16string_view line, int pixels);
    // Text of several lines is drawn with each line centred in the text box, not at its left.
    void setTextLinesCentred(bool centred) { linesCentred_ = centred; }
    void drawText();
    void drawBox();

    bool hasImage() const { return image_ != nullptr; }

    bool hover = false;
    bool mark = false; // free for the owning screen
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
    float velocityX = 0;
    float velocityY = 0;
    int penWidth = 4;
    int frameMargin = 0;
    std::u16string text;
    RectF textRect;

private:
    struct Pen {
        std::uint32_t argb;
        float width;
    };

    // The font is made by the target surface, so a picture given its text before its target
    // remembers the size it wants and makes the font once it can.
    void makeFontIfWanted();

    Graphics* target_ = nullptr;
    std::unique_ptr<Image> image_;
    bool cached_ = false;
    bool keepsShape_ = false;
    std::optional<Pen> framePen_ = Pen{0xFFFFFFFF, 4.0f};
    std::optional<Pen> textBoxPen_;
    std::unique_ptr<Font> font_;
    bool fontWanted_ = false;
    int fontPixels_ = 24;
    bool linesCentred_ = false;
    std::optional<std::uint32_t> textBrush_;
    std::optional<std::uint32_t> boxBrush_;
    FrameTimer motionClock_;
};

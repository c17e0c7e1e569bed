// SPDX-License-Identifier: GPL-3.0-or-later
// A Graphics that draws nothing and writes down every call as a line of text, so that screen
// tests can check what was drawn, where and in which order, without pixels. Images are fakes of
// the size a test sets for their path (0 x 0, as a missing file, otherwise); texts measure half
// the font size per character and the font size per line.
//
//   load gfx\menu\game01.png cached          load gfx\x.png plain
//   load gfx\x.png plain within 200x150       (the box it is drawn in, where not the whole screen)
//   clear ff2236aa                            fill 10,20 30x40 ff000000
//   rect 10,20 30x40 ffffffff pen 4           ellipse 10,20 30x40 ffffffff pen 20
//   line 1,2 to 3,4 ff0000ff pen 10
//   image gfx\menu\game01.png at 7,100        image gfx\x.png in 10,20 30.5x40
//   font Comic Sans MS 24px                   font Arial 16pt
//   measure "Hello"
//   text "Hello" in 0,0 60x24 ffffffff Comic Sans MS 24px      (" centre" appended if centred)
//
// Numbers are written without decimals when whole, else with up to two.
#pragma once

#include "common/text/Utf8.h"
#include "game/gfx/Graphics.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class RecordingGraphics : public Graphics {
public:
    class FakeImage : public Image {
    public:
        FakeImage(std::string imagePath, int width, int height)
            : path(std::move(imagePath)), width_(width), height_(height) {}
        int width() const override { return width_; }
        int height() const override { return height_; }
        std::string path;

    private:
        int width_;
        int height_;
    };

    class FakeFont : public Font {
    public:
        FakeFont(std::string fontFamily, float fontSize, FontUnit fontUnit)
            : family(std::move(fontFamily)), size(fontSize), unit(fontUnit) {}
        std::string describe() const {
            return family + " " + number(size) + (unit == FontUnit::Pixel ? "px" : "pt");
        }
        std::string family;
        float size;
        FontUnit unit;
    };

    std::vector<std::string> calls;

    void setImageSize(std::u16string_view path, int width, int height) {
        sizes_[toUtf8(path)] = {width, height};
    }

    // The calls so far, forgetting them.
    std::vector<std::string> takeCalls() { return std::exchange(calls, {}); }

    std::unique_ptr<Image> loadImage(std::u16string_view path, bool cached,
                                     DrawnBox drawnIn) override {
        const std::string name = toUtf8(path);
        const bool wholeScreen =
            drawnIn.width == DrawnBox{}.width && drawnIn.height == DrawnBox{}.height;
        calls.push_back("load " + name + (cached ? " cached" : " plain") +
                        (cached || wholeScreen ? std::string()
                                               : " within " + std::to_string(drawnIn.width) + "x" +
                                                     std::to_string(drawnIn.height)));
        const auto size = sizes_.find(name);
        return size == sizes_.end()
                   ? std::make_unique<FakeImage>(name, 0, 0)
                   : std::make_unique<FakeImage>(name, size->second.first, size->second.second);
    }
    void clear(std::uint32_t argb) override { calls.push_back("clear " + colour(argb)); }
    void fillRectangle(RectF rect, std::uint32_t argb) override {
        calls.push_back("fill " + place(rect) + " " + colour(argb));
    }
    void drawRectangle(RectF rect, std::uint32_t argb, float penWidth) override {
        calls.push_back("rect " + place(rect) + " " + colour(argb) + " pen " + number(penWidth));
    }
    void drawEllipse(RectF rect, std::uint32_t argb, float penWidth) override {
        calls.push_back("ellipse " + place(rect) + " " + colour(argb) + " pen " + number(penWidth));
    }
    void drawLine(float x1, float y1, float x2, float y2, std::uint32_t argb,
                  float penWidth) override {
        calls.push_back("line " + number(x1) + "," + number(y1) + " to " + number(x2) + "," +
                        number(y2) + " " + colour(argb) + " pen " + number(penWidth));
    }
    void drawImage(const Image& image, int x, int y) override {
        calls.push_back("image " + pathOf(image) + " at " + std::to_string(x) + "," +
                        std::to_string(y));
    }
    void drawImage(const Image& image, RectF rect) override {
        calls.push_back("image " + pathOf(image) + " in " + place(rect));
    }
    std::unique_ptr<Font> createFont(std::u16string_view family, float size,
                                     FontUnit unit) override {
        auto font = std::make_unique<FakeFont>(toUtf8(family), size, unit);
        calls.push_back("font " + font->describe());
        return font;
    }
    RectF measureString(std::u16string_view text, const Font& font) override {
        calls.push_back("measure \"" + toUtf8(text) + "\"");
        const auto* fake = dynamic_cast<const FakeFont*>(&font);
        const float size = fake != nullptr ? fake->size : 0.0f;
        std::size_t longest = 0;
        std::size_t lines = text.empty() ? 0 : 1;
        std::size_t current = 0;
        for (const char16_t unit : text) {
            if (unit == u'\n') {
                ++lines;
                current = 0;
            } else if (unit != u'\r') {
                longest = std::max(longest, ++current);
            }
        }
        return RectF{0, 0, static_cast<float>(longest) * size * 0.5f,
                     static_cast<float>(lines) * size};
    }
    void drawString(std::u16string_view text, const Font& font, RectF layout, std::uint32_t argb,
                    TextAlignment alignment) override {
        const auto* fake = dynamic_cast<const FakeFont*>(&font);
        calls.push_back("text \"" + toUtf8(text) + "\" in " + place(layout) + " " + colour(argb) +
                        " " + (fake != nullptr ? fake->describe() : std::string("?")) +
                        (alignment == TextAlignment::Centre ? " centre" : ""));
    }

    static std::string number(float value) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.2f", static_cast<double>(value));
        std::string text = buffer;
        while (text.back() == '0') {
            text.pop_back();
        }
        if (text.back() == '.') {
            text.pop_back();
        }
        return text;
    }

private:
    static std::string colour(std::uint32_t argb) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%08x", argb);
        return buffer;
    }
    static std::string place(RectF rect) {
        return number(rect.x) + "," + number(rect.y) + " " + number(rect.width) + "x" +
               number(rect.height);
    }
    static std::string pathOf(const Image& image) {
        const auto* fake = dynamic_cast<const FakeImage*>(&image);
        return fake != nullptr ? fake->path : std::string("?");
    }

    std::map<std::string, std::pair<int, int>> sizes_;
};

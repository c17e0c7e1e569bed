// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionsPainter.h"

namespace {

constexpr std::uint32_t kScreenBlue = 0xFF3FCEFD;
constexpr std::uint32_t kPale = 0xFFF0F8FF;
constexpr std::uint32_t kLineBlue = 0xFF0000FF;
// Stands for each exercise's own colour; shown as bands of the palette.
constexpr std::uint32_t kOwnColours = 0xFF808080;

void drawIf(bool condition, Picture& shown, Picture& otherwise) {
    (condition ? shown : otherwise).draw();
}

} // namespace

void OptionsPainter::paint(Graphics& offscreen, OptionsTab tab, bool aboutShown) {
    offscreen_ = &offscreen;
    offscreen.clear(kScreenBlue);
    for (Picture& picture : layout_.tabs) {
        picture.draw();
    }
    const Picture& current = layout_.tabs.at(slotOf(tab));
    layout_.selectedFrame.drawAt(current.centreX() - layout_.selectedFrame.width / 2,
                                 current.centreY() - layout_.selectedFrame.height / 2);
    layout_.resetButton.draw();
    layout_.resetButton.drawFrame();
    layout_.aboutButton.draw();
    layout_.aboutButton.drawFrame();

    for (const OptionsControl& control : OptionsControlTable::rows()) {
        if (control.paint != OptionsPaint::None && control.tabs.contains(tab)) {
            paintBox(control.paint, tab);
        }
    }

    layout_.helpLine.drawBox();
    layout_.helpLine.drawText();
    if (aboutShown) {
        layout_.about.draw();
        layout_.about.drawText();
    }
    layout_.stopButton.draw();
    layout_.stopButton.drawFrame();
}

void OptionsPainter::paintBox(OptionsPaint paint, OptionsTab tab) {
    switch (paint) {
    case OptionsPaint::None:
        break;
    case OptionsPaint::ColourBox:
        paintColourBox(tab);
        break;
    case OptionsPaint::SoundBox:
        paintSoundBox(tab);
        break;
    case OptionsPaint::OrderBox:
        paintOrderBox(tab);
        break;
    case OptionsPaint::MenuSettings:
        paintMenuSettings();
        break;
    case OptionsPaint::PictureAndWordSettings:
        paintPictureAndWordSettings();
        break;
    case OptionsPaint::ListBox:
        paintListBox(tab);
        break;
    case OptionsPaint::NumPatterns:
        paintNumPatterns();
        break;
    case OptionsPaint::NumFinds:
        paintNumFinds();
        break;
    case OptionsPaint::FindPause:
        paintFindPause();
        break;
    case OptionsPaint::RingsSpeed:
        paintSpeed(options_.speedGame1);
        break;
    case OptionsPaint::MovingSpeed:
        paintSpeed(options_.speedGame6);
        break;
    case OptionsPaint::Movie:
        paintMovie();
        break;
    case OptionsPaint::LineWidth:
        paintLineWidth();
        break;
    case OptionsPaint::ContactMode:
        paintContactMode();
        break;
    case OptionsPaint::LanguageBox:
        paintLanguageBox();
        break;
    }
}

void OptionsPainter::paintColourBox(OptionsTab tab) {
    const Picture& box = layout_.colourBox;
    const BoxInside in = OptionsLayout::inside(box);
    const std::uint32_t colour = options_.backgroundColour[slotOf(tab)];
    if (colour == kOwnColours) {
        // Ten bands of the palette, widest first, so entries 1 to 10 show left to right.
        for (int i = 10; i >= 1; --i) {
            BoxInside band = in;
            band.width = i * in.width / 10;
            if (!band.empty()) {
                offscreen_->fillRectangle(band.rect(), choosers_.paletteColour(i));
            }
        }
    } else if (!in.empty()) {
        offscreen_->fillRectangle(in.rect(), colour);
    }
    frameOf(box);
}

void OptionsPainter::paintSoundBox(OptionsTab tab) {
    const std::size_t i = slotOf(tab);
    paleFill(layout_.soundBox);
    layout_.soundOn.draw();
    if (options_.soundOn[i] == 0) {
        crossAt(layout_.soundOn);
    }
    layout_.musicOn.draw();
    if (options_.musicOn[i] == 0) {
        crossAt(layout_.musicOn);
    }
    frameOf(layout_.soundBox);
}

void OptionsPainter::paintOrderBox(OptionsTab tab) {
    // On the menu's tab the same place holds the stop-or-Esc choice, drawn with the menu's
    // settings.
    paleFill(layout_.orderBox);
    if (OptionsControlTable::showsOn(&OptionsLayout::random, tab)) {
        layout_.random.draw();
        layout_.ordered.draw();
        crossAt(options_.random[slotOf(tab)] == 1 ? layout_.ordered : layout_.random);
    }
    frameOf(layout_.orderBox);
}

void OptionsPainter::paintPictureAndWordSettings() {
    paleFill(layout_.textBox);
    paleFill(layout_.speechBox);
    drawIf(options_.textOn == 1, layout_.textOn, layout_.textOff);
    drawIf(options_.speechOn == 1, layout_.speechOn, layout_.speechOff);
    frameOf(layout_.textBox);
    frameOf(layout_.speechBox);
}

void OptionsPainter::paintListBox(OptionsTab tab) {
    paleFill(layout_.listBox);
    if (OptionsControlTable::showsOn(&OptionsLayout::capsOn, tab)) {
        drawIf(options_.capsOn == 1, layout_.capsOn, layout_.capsOff);
    }
    layout_.listBox.drawText();
    frameOf(layout_.listBox);
}

void OptionsPainter::paintMenuSettings() {
    paleFill(layout_.contactsBox);
    paleFill(layout_.scanBox);
    paleFill(layout_.keyBox);
    layout_.scanTime.draw();
    layout_.scanTime.drawText();
    layout_.keyTime.draw();
    layout_.keyTime.drawText();
    layout_.useStop.draw();
    layout_.useEsc.draw();
    if (options_.oneContact != 0) {
        layout_.oneContact.draw();
    } else {
        // Two switches never scan by themselves: the scan time does not apply.
        layout_.twoContacts.draw();
        const Picture& scan = layout_.scanTime;
        layout_.offCross.drawAt(scan.centreX() - layout_.offCross.width / 2,
                                scan.centreY() - layout_.offCross.height / 2);
    }
    crossAt(options_.useStop != 0 ? layout_.useEsc : layout_.useStop);
    frameOf(layout_.contactsBox);
    frameOf(layout_.scanBox);
    frameOf(layout_.keyBox);
    frameOf(layout_.stopOrEscBox);
}

void OptionsPainter::paintNumPatterns() {
    paleFill(layout_.countBox);
    constexpr int kNumbers[] = {1, 2, 4, 8};
    for (std::size_t k = 0; k < layout_.numPatterns.size(); ++k) {
        if (options_.numPatterns == kNumbers[k]) {
            layout_.numPatterns[k].draw();
        }
    }
    layout_.numPatterns[0].drawText();
    frameOf(layout_.countBox);
}

void OptionsPainter::paintNumFinds() {
    paleFill(layout_.countBox);
    for (std::size_t k = 0; k < layout_.numFinds.size(); ++k) {
        if (options_.numFinds == static_cast<int>(k) + 2) {
            layout_.numFinds[k].draw();
        }
    }
    layout_.numFinds[0].drawText();
    frameOf(layout_.countBox);
}

void OptionsPainter::paintFindPause() {
    paleFill(layout_.pauseBox);
    frameOf(layout_.pauseBox);
    layout_.findPause.draw();
    layout_.findPause.drawText();
}

void OptionsPainter::paintSpeed(int speed) {
    paleFill(layout_.speedBox);
    constexpr int kSpeeds[] = {75, 50, 25};
    for (std::size_t k = 0; k < layout_.speed.size(); ++k) {
        if (speed == kSpeeds[k]) {
            layout_.speed[k].draw();
        }
    }
    frameOf(layout_.speedBox);
}

void OptionsPainter::paintMovie() {
    paleFill(layout_.movieBox);
    drawIf(options_.movie == 1, layout_.movie, layout_.movieContactMode0);
    frameOf(layout_.movieBox);
}

void OptionsPainter::paintLineWidth() {
    const Picture& line = layout_.lineBox;
    paleFill(line);
    const float middleY = line.y + line.height / 2;
    offscreen_->drawLine(line.x + 50, middleY, line.x + line.width - 50, middleY, kLineBlue,
                         static_cast<float>(options_.lineWidth));
    frameOf(line);
}

void OptionsPainter::paintContactMode() {
    paleFill(layout_.modeBox);
    frameOf(layout_.modeBox);
    if (options_.contactMode >= 0 && options_.contactMode <= 2) {
        layout_.contactMode.at(static_cast<std::size_t>(options_.contactMode)).draw();
    }
}

void OptionsPainter::paintLanguageBox() {
    // No frame picture fits a box as low as the buttons: a plain pale box with a line round it.
    const Picture& box = layout_.languageBox;
    const RectF rect{box.x, box.y, box.width, box.height};
    offscreen_->fillRectangle(rect, kPale);
    offscreen_->drawRectangle(rect, kLineBlue, 3);
    layout_.languageBox.drawText();
}

void OptionsPainter::paleFill(const Picture& box) {
    const BoxInside in = OptionsLayout::inside(box);
    if (!in.empty()) {
        offscreen_->fillRectangle(in.rect(), kPale);
    }
}

void OptionsPainter::frameOf(const Picture& box) {
    layout_.frame.drawAt(box.x, box.y);
}

void OptionsPainter::crossAt(const Picture& picture) {
    layout_.offCross.drawAt(picture.x, picture.y);
}

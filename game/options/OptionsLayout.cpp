// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionsLayout.h"

#include "game/options/OptionsControlTable.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kHelpYellow = 0xFFFFEF7B;
constexpr float kFirstRowY = 250;
constexpr float kMargin = 36;   // between a box's side and a picture standing at that side
constexpr float kValueGap = 15; // how far a picture with a value text reaches past the centre

// A picture with no image of its own that draws on `offscreen`.
void makeBox(Picture& box, Graphics& offscreen, float x, float y, float w, float h) {
    box.setTarget(&offscreen);
    box.setPosition(x, y);
    box.setSize(w, h);
}

void load(Picture& picture, Graphics& offscreen, std::u16string_view path) {
    picture.load(path, &offscreen, true);
}

void centreIn(Picture& picture, const Picture& box) {
    picture.setPosition(box.centreX() - picture.width / 2, box.centreY() - picture.height / 2);
}

// At the box's left side, centred vertically; at its right side, level with its partner.
void atLeftOf(Picture& picture, const Picture& box) {
    picture.setPosition(box.x + kMargin, box.centreY() - picture.height / 2);
}
void atRightOf(Picture& picture, const Picture& box, float y) {
    picture.setPosition(box.x + box.width - picture.width - kMargin, y);
}

// A picture that stands left of the box's centre, leaving room for its value on the right.
void beforeValue(Picture& picture, const Picture& box, float overlap) {
    picture.setPosition(box.centreX() - picture.width + overlap,
                        box.centreY() - picture.height / 2);
}

template <std::size_t N> void sharePlace(std::array<Picture, N>& pictures) {
    for (std::size_t i = 1; i < N; ++i) {
        pictures[i].setPosition(pictures[0].x, pictures[0].y);
    }
}

} // namespace

void OptionsLayout::load(Graphics& offscreen, std::u16string_view aboutPicture,
                         std::u16string_view versionLine) {
    loadAbout(offscreen, aboutPicture, versionLine);

    helpLine.setTarget(&offscreen);
    helpLine.setBoxColours(kHelpYellow, kBlack);
    helpLine.setTextColour(kBlack);

    ::load(frame, offscreen, u"gfx\\options\\frame.png");
    ::load(selectedFrame, offscreen, u"gfx\\options\\selectedFrame.png");
    ::load(offCross, offscreen, u"gfx\\options\\offCross.png");

    loadButtons(offscreen);
    placeBoxes(offscreen);
    loadFirstRowPictures(offscreen);
    loadSwitchCountAndWordPictures(offscreen);
    loadSpeedAndModePictures(offscreen);
    loadTabs(offscreen);

    // The list name in a smaller font; the values in the text box's own 24 pixels.
    listBox.setFontSize(20);
    for (Picture* withValue :
         {&listBox, &scanTime, &keyTime, &numPatterns[0], &numFinds[0], &findPause}) {
        withValue->setTextColour(kBlack);
    }
}

void OptionsLayout::loadAbout(Graphics& offscreen, std::u16string_view aboutPicture,
                              std::u16string_view versionLine) {
    ::load(about, offscreen, aboutPicture);
    about.setPosition(0, 0);
    about.setFontSize(24);
    about.setTextColour(kWhite);
    about.setText(versionLine);
    about.centreTextHorizontallyOnPicture();
    about.setTextPosition(about.textRect.x, 480);
}

void OptionsLayout::loadButtons(Graphics& offscreen) {
    ::load(stopButton, offscreen, u"gfx\\buttons\\stop.png");
    placeStopButtonInCorner();
    stopButton.setFrameMargin(10);
    stopButton.setFrameColour(0xFFFF0000);

    ::load(resetButton, offscreen, u"gfx\\buttons\\reset.png");
    resetButton.setPosition(10, 600 - resetButton.height - 10);
    resetButton.setFrameMargin(10);
    resetButton.setFrameColour(kWhite);

    ::load(aboutButton, offscreen, u"gfx\\buttons\\about.png");
    aboutButton.setPosition(resetButton.x + resetButton.width + 10, resetButton.y);
    aboutButton.setFrameMargin(10);
    aboutButton.setFrameColour(kWhite);

    // As tall as the buttons, and wide enough for the longest own name of a language.
    makeBox(languageBox, offscreen, 270, resetButton.y, 260, resetButton.height);
    languageBox.setTextColour(kBlack);
}

void OptionsLayout::placeStopButtonInCorner() {
    stopButton.setPosition(800 - stopButton.width - 10, 600 - stopButton.height - 10);
}

void OptionsLayout::placeStopButtonForAbout() {
    stopButton.setPosition(10, 10);
}

void OptionsLayout::placeBoxes(Graphics& offscreen) {
    const float w = frame.width;
    const float h = frame.height;
    const float left = 24;
    const float middle = w + 48;
    const float right = 2 * w + 72;
    const float secondRowY = h + 310;

    makeBox(colourBox, offscreen, left, kFirstRowY, w, h);
    makeBox(soundBox, offscreen, middle, kFirstRowY, w, h);
    makeBox(orderBox, offscreen, right, kFirstRowY, w, h);
    makeBox(stopOrEscBox, offscreen, right, kFirstRowY, w, h);

    for (Picture* box : {&contactsBox, &listBox, &lineBox}) {
        makeBox(*box, offscreen, left, secondRowY, w, h);
    }
    for (Picture* box : {&scanBox, &countBox, &speechBox, &speedBox}) {
        makeBox(*box, offscreen, middle, secondRowY, w, h);
    }
    for (Picture* box : {&keyBox, &textBox, &movieBox, &modeBox, &pauseBox}) {
        makeBox(*box, offscreen, right, secondRowY, w, h);
    }
}

void OptionsLayout::loadFirstRowPictures(Graphics& offscreen) {
    ::load(musicOn, offscreen, u"gfx\\buttons\\musicOn.png");
    atLeftOf(musicOn, soundBox);
    ::load(soundOn, offscreen, u"gfx\\buttons\\soundOn.png");
    atRightOf(soundOn, soundBox, soundBox.centreY() - soundOn.height / 2);

    ::load(random, offscreen, u"gfx\\options\\random.png");
    atLeftOf(random, orderBox);
    ::load(ordered, offscreen, u"gfx\\options\\ordered.png");
    atRightOf(ordered, orderBox, random.y);

    ::load(useStop, offscreen, u"gfx\\options\\useStop.png");
    atLeftOf(useStop, stopOrEscBox);
    ::load(useEsc, offscreen, u"gfx\\options\\useEsc.png");
    atRightOf(useEsc, stopOrEscBox, useStop.y);
}

void OptionsLayout::loadSwitchCountAndWordPictures(Graphics& offscreen) {
    ::load(oneContact, offscreen, u"gfx\\buttons\\oneContact.png");
    centreIn(oneContact, contactsBox);
    ::load(twoContacts, offscreen, u"gfx\\buttons\\twoContacts.png");
    twoContacts.setPosition(contactsBox.centreX() - twoContacts.width / 2, oneContact.y);

    ::load(scanTime, offscreen, u"gfx\\buttons\\scanTime.png");
    beforeValue(scanTime, scanBox, kValueGap);
    ::load(keyTime, offscreen, u"gfx\\buttons\\keyTime.png");
    beforeValue(keyTime, keyBox, kValueGap);

    const char16_t* patterns[] = {
        u"gfx\\options\\numPatterns1.png", u"gfx\\options\\numPatterns2.png",
        u"gfx\\options\\numPatterns4.png", u"gfx\\options\\numPatterns8.png"};
    for (std::size_t i = 0; i < numPatterns.size(); ++i) {
        ::load(numPatterns[i], offscreen, patterns[i]);
    }
    centreIn(numPatterns[0], countBox);
    sharePlace(numPatterns);

    const char16_t* finds[] = {u"gfx\\options\\numFinds2.png", u"gfx\\options\\numFinds3.png",
                               u"gfx\\options\\numFinds4.png"};
    for (std::size_t i = 0; i < numFinds.size(); ++i) {
        ::load(numFinds[i], offscreen, finds[i]);
    }
    centreIn(numFinds[0], countBox);
    sharePlace(numFinds);

    ::load(speechOn, offscreen, u"gfx\\options\\speechOn.png");
    centreIn(speechOn, speechBox);
    ::load(speechOff, offscreen, u"gfx\\options\\speechOff.png");
    speechOff.setPosition(speechOn.x, speechOn.y);
    ::load(textOn, offscreen, u"gfx\\options\\textOn.png");
    centreIn(textOn, textBox);
    ::load(textOff, offscreen, u"gfx\\options\\textOff.png");
    textOff.setPosition(textOn.x, textOn.y);

    ::load(capsOn, offscreen, u"gfx\\options\\capsOn.png");
    capsOn.setPosition(listBox.x + listBox.width - capsOn.width - 22,
                       listBox.y + listBox.height - capsOn.height - 16);
    ::load(capsOff, offscreen, u"gfx\\options\\capsOff.png");
    capsOff.setPosition(capsOn.x, capsOn.y);
}

void OptionsLayout::loadSpeedAndModePictures(Graphics& offscreen) {
    const char16_t* speeds[] = {u"gfx\\options\\speed0.png", u"gfx\\options\\speed1.png",
                                u"gfx\\options\\speed2.png"};
    for (std::size_t i = 0; i < speed.size(); ++i) {
        ::load(speed[i], offscreen, speeds[i]);
    }
    centreIn(speed[0], speedBox);
    sharePlace(speed);

    ::load(movieContactMode0, offscreen, u"gfx\\options\\contactMode0.png");
    centreIn(movieContactMode0, movieBox);
    ::load(movie, offscreen, u"gfx\\options\\movie.png");
    centreIn(movie, movieBox);

    const char16_t* modes[] = {u"gfx\\options\\contactMode0.png", u"gfx\\options\\contactMode1.png",
                               u"gfx\\options\\contactMode2.png"};
    for (std::size_t i = 0; i < contactMode.size(); ++i) {
        ::load(contactMode[i], offscreen, modes[i]);
    }
    centreIn(contactMode[0], modeBox);
    sharePlace(contactMode);

    ::load(findPause, offscreen, u"gfx\\options\\findPause.png");
    beforeValue(findPause, pauseBox, 0);
}

void OptionsLayout::loadTabs(Graphics& offscreen) {
    for (int i = 0; i < kTabs; ++i) {
        Picture& tab = tabs[static_cast<std::size_t>(i)];
        const std::u16string path =
            u"gfx\\menu\\game0" + std::u16string(1, static_cast<char16_t>(u'0' + i)) + u"s.png";
        ::load(tab, offscreen, path);
        tab.setSize(100, 75);
        tab.setPosition(static_cast<float>(30 + 108 * i), 50);
    }
}

BoxInside OptionsLayout::inside(const Picture& box) {
    BoxInside result;
    result.x = static_cast<int>(box.x + 12);
    result.y = static_cast<int>(box.y + 12);
    result.width = std::max(static_cast<int>(box.width - 24), 0);
    result.height = std::max(static_cast<int>(box.height - 24), 0);
    return result;
}

int OptionsLayout::helpLineAt(OptionsTab tab, int x, int y) const {
    int found = 0;
    for (const OptionsControl& control : OptionsControlTable::rows()) {
        if (control.helpLine > found && control.tabs.contains(tab) &&
            control.handle(*this).contains(x, y)) {
            found = control.helpLine;
        }
    }
    return found;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture of the options screen, loaded and placed: the seven tabs, the buttons, the about
// picture, the help line, the boxes of the two rows and the pictures inside them. The boxes are
// as large as the natural size of gfx\options\frame.png, which frames each of them, and stand
// where that size puts them; a missing frame picture makes every box collapse to its position.
// Also knows which control's help line belongs under a point. The values shown in the boxes are
// the text boxes of scanTime, keyTime, numPatterns[0], numFinds[0], findPause, the list box and
// the language box.
#pragma once

#include "game/gfx/Graphics.h"
#include "game/gfx/Picture.h"
#include "game/options/OptionsTab.h"
#include "game/platform/Clock.h"

#include <array>
#include <string_view>

// The integer rectangle of a box without its 12-pixel border, where its colour or pale fill
// goes. Never negative: a box smaller than its border has an empty inside.
struct BoxInside {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool empty() const { return width <= 0 || height <= 0; }
    RectF rect() const {
        return RectF{static_cast<float>(x), static_cast<float>(y), static_cast<float>(width),
                     static_cast<float>(height)};
    }
};

class OptionsLayout {
public:
    static constexpr int kTabs = kOptionsTabCount;

    explicit OptionsLayout(const Clock& clock) : clock_(clock) {}
    OptionsLayout(const OptionsLayout&) = delete;
    OptionsLayout& operator=(const OptionsLayout&) = delete;

    // Loads every picture as a cached picture of `offscreen` and places it; the about picture is
    // `aboutPicture`, with `versionLine` written on it.
    void load(Graphics& offscreen, std::u16string_view aboutPicture,
              std::u16string_view versionLine);
    // Loads the about picture alone, as `load` does: after the language changed.
    void loadAbout(Graphics& offscreen, std::u16string_view aboutPicture,
                   std::u16string_view versionLine);

    // The stop button's two places: the bottom-right corner, and the top-left corner while the
    // about picture covers the screen.
    void placeStopButtonInCorner();
    void placeStopButtonForAbout();

    static BoxInside inside(const Picture& box);

    // The help line (1 to 23) of the control under (x, y) on `tab`; where controls overlap, the
    // higher help line wins. 0 when no control with a help line is there.
    int helpLineAt(OptionsTab tab, int x, int y) const;

private:
    void loadButtons(Graphics& offscreen);
    void placeBoxes(Graphics& offscreen);
    void loadFirstRowPictures(Graphics& offscreen);
    // The second row's pictures.
    void loadSwitchCountAndWordPictures(Graphics& offscreen);
    void loadSpeedAndModePictures(Graphics& offscreen);
    void loadTabs(Graphics& offscreen);

    const Clock& clock_;

public:
    // Drawn where the screen needs them, never at a place of their own.
    Picture frame{clock_};
    Picture selectedFrame{clock_};
    Picture offCross{clock_};

    Picture about{clock_};
    Picture helpLine{clock_};
    Picture stopButton{clock_};
    Picture resetButton{clock_};
    Picture aboutButton{clock_};
    // Between the about and the stop buttons: the language, by its own name.
    Picture languageBox{clock_};

    // First row, y 250.
    Picture colourBox{clock_};
    Picture soundBox{clock_};
    Picture orderBox{clock_};
    Picture stopOrEscBox{clock_}; // the order box's place, on the menu's tab
    // Second row, 60 pixels below the first; which boxes show depends on the tab.
    Picture contactsBox{clock_};
    Picture scanBox{clock_};
    Picture keyBox{clock_};
    Picture listBox{clock_};
    Picture countBox{clock_};
    Picture speechBox{clock_};
    Picture textBox{clock_};
    Picture speedBox{clock_};
    Picture movieBox{clock_};
    Picture lineBox{clock_};
    Picture modeBox{clock_};
    Picture pauseBox{clock_};

    Picture musicOn{clock_};
    Picture soundOn{clock_};
    Picture random{clock_};
    Picture ordered{clock_};
    Picture useStop{clock_};
    Picture useEsc{clock_};
    Picture oneContact{clock_};
    Picture twoContacts{clock_};
    Picture scanTime{clock_};
    Picture keyTime{clock_};
    std::array<Picture, 4> numPatterns{Picture{clock_}, Picture{clock_}, Picture{clock_},
                                       Picture{clock_}}; // 1, 2, 4, 8
    std::array<Picture, 3> numFinds{Picture{clock_}, Picture{clock_}, Picture{clock_}}; // 2, 3, 4
    Picture speechOn{clock_};
    Picture speechOff{clock_};
    Picture textOn{clock_};
    Picture textOff{clock_};
    Picture capsOn{clock_};
    Picture capsOff{clock_};
    std::array<Picture, 3> speed{Picture{clock_}, Picture{clock_}, Picture{clock_}}; // 75, 50, 25
    Picture movieContactMode0{clock_}; // the movie box's picture for a press held to move
    Picture movie{clock_};
    std::array<Picture, 3> contactMode{Picture{clock_}, Picture{clock_}, Picture{clock_}};
    Picture findPause{clock_};

    std::array<Picture, kTabs> tabs{Picture{clock_}, Picture{clock_}, Picture{clock_},
                                    Picture{clock_}, Picture{clock_}, Picture{clock_},
                                    Picture{clock_}};
};

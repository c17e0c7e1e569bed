// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionsControlTable.h"

namespace {

using enum OptionsTab;
using enum OptionsPress;
using enum OptionsPaint;
using enum AfterPress;
using L = OptionsLayout;

constexpr OptionsTabs kAllTabs = OptionsTabs::every();
constexpr OptionsTabs kActivityTabs = OptionsTabs::activities();
// The activities that show pictures from a content list.
constexpr OptionsTabs kListTabs{PictureSteps, FindImages, PictureAndWord, MovingPictures};

constexpr OptionsControl kRows[] = {
    // The buttons: the screen answers them and the painter draws them around the boxes.
    {kAllTabs, &L::stopButton, nullptr, 1, NoChange, Ends, None},
    {kAllTabs, &L::resetButton, nullptr, 2, NoChange, Ends, None},

    // The first row: colour, sound and music, order.
    {kAllTabs, &L::colourBox, nullptr, 3, NextColour, Ends, ColourBox},
    {kAllTabs, &L::soundBox, nullptr, 0, NoChange, Ends, SoundBox},
    // On the menu's tab the stop-or-Esc box lies over it and takes every press.
    {kAllTabs, &L::orderBox, nullptr, 0, ToggleOrder, Ends, OrderBox},
    {kAllTabs, &L::soundBox, &L::musicOn, 4, ToggleMusic, Ends, None},
    {kAllTabs, &L::soundBox, &L::soundOn, 5, ToggleSound, Ends, None},
    {kActivityTabs, &L::orderBox, &L::random, 6, NoChange, Ends, None},
    {kActivityTabs, &L::orderBox, &L::ordered, 7, NoChange, Ends, None},

    // The switch setup of the whole game, on the menu's tab.
    {{Menu}, &L::stopOrEscBox, nullptr, 0, ToggleUseStop, Ends, None},
    {{Menu}, &L::stopOrEscBox, &L::useStop, 8, NoChange, Ends, None},
    {{Menu}, &L::stopOrEscBox, &L::useEsc, 9, NoChange, Ends, None},
    {{Menu}, &L::contactsBox, nullptr, 10, ToggleOneContact, Ends, MenuSettings},
    {{Menu}, &L::scanBox, nullptr, 11, NextScanTime, Ends, None},
    {{Menu}, &L::keyBox, nullptr, 12, NextKeyTime, Ends, None},

    // The activities' own settings, in the second row.
    {{PictureAndWord}, &L::textBox, nullptr, 16, ToggleText, GoesOn, PictureAndWordSettings},
    {{PictureAndWord}, &L::speechBox, nullptr, 15, ToggleSpeech, GoesOn, None},
    {kListTabs, &L::listBox, nullptr, 13, NextListName, Ends, ListBox},
    {{PictureAndWord}, &L::listBox, &L::capsOn, 17, ToggleCaps, Ends, None},
    {{PictureSteps}, &L::countBox, nullptr, 14, NextNumPatterns, GoesOn, NumPatterns},
    {{FindImages}, &L::countBox, nullptr, 14, NextNumFinds, GoesOn, NumFinds},
    {{FindImages}, &L::pauseBox, nullptr, 22, NextFindPause, GoesOn, FindPause},
    {{ColourRings}, &L::speedBox, nullptr, 18, NextRingsSpeed, GoesOn, RingsSpeed},
    {{MovingPictures}, &L::speedBox, nullptr, 18, NextMovingSpeed, GoesOn, MovingSpeed},
    {{MovingPictures}, &L::movieBox, nullptr, 19, ToggleMovie, Ends, Movie},
    {{ColourRings}, &L::lineBox, nullptr, 20, NextLineWidth, GoesOn, LineWidth},
    {{ColourRings}, &L::modeBox, nullptr, 21, NextContactMode, GoesOn, ContactMode},

    // The language of the whole game, beside the buttons on every tab.
    {kAllTabs, &L::languageBox, nullptr, 23, NextLanguage, Ends, LanguageBox},
};

} // namespace

namespace OptionsControlTable {

std::span<const OptionsControl> rows() {
    return kRows;
}

bool showsOn(Picture OptionsLayout::*handle, OptionsTab tab) {
    for (const OptionsControl& control : kRows) {
        const auto controlHandle = control.picture != nullptr ? control.picture : control.box;
        if (controlHandle == handle && control.tabs.contains(tab)) {
            return true;
        }
    }
    return false;
}

} // namespace OptionsControlTable

// SPDX-License-Identifier: GPL-3.0-or-later
// The options screen's controls, one row each: the tabs a control shows on, the box it stands in
// and the picture that is its handle, its help line, what a press on it changes and how its box
// is painted. The layout finds the help lines in it, the controls answer presses from it, the
// painter paints from it and the screen asks it which boxes the open tab shows.
#pragma once

#include "game/gfx/Picture.h"
#include "game/options/OptionsLayout.h"
#include "game/options/OptionsTab.h"

#include <span>

// What a press on a control changes.
enum class OptionsPress {
    NoChange, // a handle for a help line only, or a button that the screen answers itself
    NextColour,
    ToggleOrder,
    ToggleMusic,
    ToggleSound,
    ToggleUseStop,
    ToggleOneContact,
    NextScanTime, // only with one switch, which scans by itself
    NextKeyTime,
    ToggleText,
    ToggleSpeech,
    NextListName,
    ToggleCaps,
    NextNumPatterns,
    NextNumFinds,
    NextFindPause,
    NextRingsSpeed,  // speedGame1
    NextMovingSpeed, // speedGame6, the moving pictures' speed
    ToggleMovie,
    NextLineWidth,
    NextContactMode,
    NextLanguage, // the whole game's, as the options screen speaks it at once
};

// Whether a press that a control answered also reaches the controls behind it.
enum class AfterPress { Ends, GoesOn };

// How a control's box is painted.
enum class OptionsPaint {
    None, // the painter draws the buttons itself; other rows come with a row before them
    ColourBox,
    SoundBox,
    OrderBox,
    MenuSettings,
    PictureAndWordSettings,
    ListBox,
    NumPatterns,
    NumFinds,
    FindPause,
    RingsSpeed,
    MovingSpeed,
    Movie,
    LineWidth,
    ContactMode,
    LanguageBox,
};

struct OptionsControl {
    OptionsTabs tabs;
    Picture OptionsLayout::*box;
    Picture OptionsLayout::*picture; // null when the box itself is the handle
    int helpLine;                    // counted from 1 as in the help texts; 0 for none
    OptionsPress press;
    AfterPress afterPress;
    OptionsPaint paint;

    // Where the pointer finds the control: on its picture, or on its box when it has none.
    const Picture& handle(const OptionsLayout& layout) const {
        return layout.*(picture != nullptr ? picture : box);
    }
};

namespace OptionsControlTable {

// Back to front, in the order they are painted. A press goes to the front first: each control
// under the pointer answers in turn until one ends the press. Where controls overlap, the help
// line with the higher number wins. Boxes never overlap each other; only pictures can lie over a
// box.
std::span<const OptionsControl> rows();

// Whether the control with this handle shows on the tab.
bool showsOn(Picture OptionsLayout::*handle, OptionsTab tab);

} // namespace OptionsControlTable

// SPDX-License-Identifier: GPL-3.0-or-later
// Paints one frame of the options screen into the offscreen surface, back to front: the tabs
// and the marker on the current one, the buttons, the current tab's boxes in the control table's
// order, the help line, the about picture when it is shown and the stop button over all.
// Each box gets a pale inside (or its colour), its pictures, a cross on the option not chosen,
// and the frame picture on top.
#pragma once

#include "game/content/Options.h"
#include "game/options/OptionsChoosers.h"
#include "game/options/OptionsControlTable.h"
#include "game/options/OptionsLayout.h"

class OptionsPainter {
public:
    OptionsPainter(OptionsLayout& layout, const Options& options, const OptionsChoosers& choosers)
        : layout_(layout), options_(options), choosers_(choosers) {}

    void paint(Graphics& offscreen, OptionsTab tab, bool aboutShown);

private:
    // The box or boxes of one row of the control table.
    void paintBox(OptionsPaint paint, OptionsTab tab);
    void paintColourBox(OptionsTab tab);
    void paintSoundBox(OptionsTab tab);
    void paintOrderBox(OptionsTab tab);
    void paintMenuSettings();
    void paintPictureAndWordSettings();
    void paintListBox(OptionsTab tab);
    void paintNumPatterns();
    void paintNumFinds();
    void paintFindPause();
    void paintSpeed(int speed);
    void paintMovie();
    void paintLineWidth();
    void paintContactMode();
    void paintLanguageBox();

    void paleFill(const Picture& box);
    void frameOf(const Picture& box);
    void crossAt(const Picture& picture);

    Graphics* offscreen_ = nullptr;
    OptionsLayout& layout_;
    const Options& options_;
    const OptionsChoosers& choosers_;
};

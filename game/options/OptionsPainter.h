// Paints one frame of the options screen into the offscreen surface, back to front: the tabs
// and the marker on the current one, the buttons, the first row of boxes, the current tab's
// second row, the help line, the about picture when it is shown and the stop button over all.
// Each box gets a pale inside (or its colour), its pictures, a cross on the option not chosen,
// and the frame picture on top.
#pragma once

#include "game/content/Options.h"
#include "game/options/OptionsChoosers.h"
#include "game/options/OptionsLayout.h"

class OptionsPainter {
public:
    OptionsPainter(OptionsLayout& layout, const Options& options, const OptionsChoosers& choosers)
        : layout_(layout), options_(options), choosers_(choosers) {}

    void paint(Graphics& offscreen, int tab, bool aboutShown);

private:
    void paintColourBox(int tab);
    void paintSoundAndOrder(int tab);
    void paintMenuSettings();
    void paintPictureWordSettings();
    void paintListBox(int tab);
    void paintCounts(int tab);
    void paintPause();
    void paintSpeedAndMovie(int tab);
    void paintRingSettings();

    void paleFill(const Picture& box);
    void frameOf(const Picture& box);
    void crossAt(const Picture& picture);

    Graphics* offscreen_ = nullptr;
    OptionsLayout& layout_;
    const Options& options_;
    const OptionsChoosers& choosers_;
};

// The controls of the options screen's boxes: a press on a box or on one of its pictures steps
// the setting it shows through its cycle, in the screen's own settings record. Which controls
// answer depends on the tab; where two could answer, the first in a fixed order acts. The
// buttons and the tabs are the screen's own business.
#pragma once

#include "game/content/Options.h"
#include "game/options/OptionsChoosers.h"
#include "game/options/OptionsLayout.h"

class OptionsControls {
public:
    OptionsControls(Options& options, const OptionsLayout& layout, OptionsChoosers& choosers)
        : options_(options), layout_(layout), choosers_(choosers) {}

    // Acts on a press at (x, y) on `tab`; true when a control was hit.
    bool press(int tab, int x, int y);

private:
    bool pressMenuTab(int x, int y);
    // The tab's own controls, mostly in the second row; sets `hit` when one answered and returns
    // true when the press goes no further.
    bool pressSecondRow(int tab, int x, int y, bool& hit);
    bool pressFirstRow(int tab, int x, int y);
    static bool on(const Picture& control, int x, int y) { return control.contains(x, y) != 0; }

    Options& options_;
    const OptionsLayout& layout_;
    OptionsChoosers& choosers_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the options screen's boxes: a press on a box or on one of its pictures steps
// the setting it shows through its cycle, in the screen's own settings record. Which controls
// answer on which tab, and in which order, is the control table's; the buttons and the tabs are
// the screen's own business.
#pragma once

#include "game/content/Options.h"
#include "game/options/OptionsChoosers.h"
#include "game/options/OptionsControlTable.h"
#include "game/options/OptionsLayout.h"

class OptionsControls {
public:
    OptionsControls(Options& options, const OptionsLayout& layout, OptionsChoosers& choosers)
        : options_(options), layout_(layout), choosers_(choosers) {}

    // Acts on a press at (x, y) on `tab`; true when a control was hit.
    bool press(OptionsTab tab, int x, int y);

private:
    // Applies the change; false when the control does not answer in the present settings.
    bool change(OptionsPress press, OptionsTab tab);
    // Each true when `press` changes one of its settings, and changes it: those each activity
    // keeps for itself, and those of how the child presses.
    bool changeActivitySetting(OptionsPress press, OptionsTab tab);
    bool changeAccessSetting(OptionsPress press);
    // The rest: what the activities show, and how they move and answer.
    void changeShownSetting(OptionsPress press);

    Options& options_;
    const OptionsLayout& layout_;
    OptionsChoosers& choosers_;
};

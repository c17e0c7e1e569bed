#include "OptionsControls.h"

#include "game/options/SettingCycles.h"

using namespace SettingCycles;

bool OptionsControls::press(int tab, int x, int y) {
    if (tab == 0 && pressMenuTab(x, y)) {
        return true;
    }
    bool hit = false;
    if (pressSecondRow(tab, x, y, hit)) {
        return true;
    }
    // The second row lies below the first, so a press goes on to the first row's controls
    // without effect, except where a layout without its frame picture lets boxes meet.
    return pressFirstRow(tab, x, y) || hit;
}

bool OptionsControls::pressMenuTab(int x, int y) {
    if (on(layout_.keyBox, x, y)) {
        options_.keyTime = nextKeyTime(options_.keyTime);
        return true;
    }
    if (on(layout_.contactsBox, x, y)) {
        options_.oneContact = toggled(options_.oneContact);
        return true;
    }
    // With two switches there is no automatic scanning, so no scan time to set; the box shows it
    // crossed out then.
    if (options_.oneContact != 0 && on(layout_.scanBox, x, y)) {
        options_.scanTime = nextScanTime(options_.scanTime);
        return true;
    }
    if (on(layout_.stopOrEscBox, x, y)) {
        options_.useStop = toggled(options_.useStop);
        return true;
    }
    return false;
}

bool OptionsControls::pressSecondRow(int tab, int x, int y, bool& hit) {
    if (tab == 5) {
        // The caps picture lies inside the list box and takes the press from it.
        if (on(layout_.capsOn, x, y)) {
            options_.capsOn = toggled(options_.capsOn);
            hit = true;
            return true;
        }
        if (on(layout_.textBox, x, y)) {
            options_.textOn = toggled(options_.textOn);
            hit = true;
        }
        if (on(layout_.speechBox, x, y)) {
            options_.speechOn = toggled(options_.speechOn);
            hit = true;
        }
    }
    if ((tab == 2 || tab == 3 || tab == 5 || tab == 6) && on(layout_.listBox, x, y)) {
        auto& name = options_.listName[static_cast<std::size_t>(tab)];
        name = choosers_.nextListName(tab, name);
        hit = true;
        return true;
    }
    if (tab == 2 && on(layout_.countBox, x, y)) {
        options_.numPatterns = nextNumPatterns(options_.numPatterns);
        hit = true;
    }
    if (tab == 3) {
        if (on(layout_.countBox, x, y)) {
            options_.numFinds = nextNumFinds(options_.numFinds);
            hit = true;
        }
        if (on(layout_.pauseBox, x, y)) {
            options_.findPause = nextFindPause(options_.findPause);
            hit = true;
        }
    }
    if ((tab == 1 || tab == 6) && on(layout_.speedBox, x, y)) {
        int& speed = tab == 1 ? options_.speedGame1 : options_.speedGame6;
        speed = nextSpeed(speed);
        hit = true;
    }
    if (tab == 6 && on(layout_.movieBox, x, y)) {
        options_.movie = toggled(options_.movie);
        hit = true;
        return true;
    }
    if (tab == 1) {
        if (on(layout_.lineBox, x, y)) {
            options_.lineWidth = nextLineWidth(options_.lineWidth);
            hit = true;
        }
        if (on(layout_.modeBox, x, y)) {
            options_.contactMode = nextContactMode(options_.contactMode);
            hit = true;
        }
    }
    return false;
}

bool OptionsControls::pressFirstRow(int tab, int x, int y) {
    const auto i = static_cast<std::size_t>(tab);
    if (on(layout_.soundOn, x, y)) {
        options_.soundOn[i] = toggled(options_.soundOn[i]);
    } else if (on(layout_.musicOn, x, y)) {
        options_.musicOn[i] = toggled(options_.musicOn[i]);
    } else if (on(layout_.colourBox, x, y)) {
        options_.backgroundColour[i] = choosers_.nextColour();
    } else if (on(layout_.orderBox, x, y)) {
        options_.random[i] = toggled(options_.random[i]);
    } else {
        return false;
    }
    return true;
}

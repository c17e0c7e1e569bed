// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionsControls.h"

#include "game/options/SettingCycles.h"

using namespace SettingCycles;

bool OptionsControls::press(OptionsTab tab, int x, int y) {
    bool hit = false;
    const auto rows = OptionsControlTable::rows();
    // From the front: what lies on top answers first.
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        if (row->press == OptionsPress::NoChange || !row->tabs.contains(tab) ||
            !row->handle(layout_).contains(x, y) || !change(row->press, tab)) {
            continue;
        }
        hit = true;
        if (row->afterPress == AfterPress::Ends) {
            break;
        }
    }
    return hit;
}

bool OptionsControls::change(OptionsPress press, OptionsTab tab) {
    // With two switches there is no automatic scanning, so no scan time to set; the box shows it
    // crossed out then.
    if (press == OptionsPress::NoChange ||
        (press == OptionsPress::NextScanTime && options_.oneContact == 0)) {
        return false;
    }
    if (press == OptionsPress::NextLanguage) {
        const std::u16string next = choosers_.nextLanguage(options_.language);
        options_.chosenLanguage = next;
        options_.language = next;
    } else if (!changeActivitySetting(press, tab) && !changeAccessSetting(press)) {
        changeShownSetting(press);
    }
    return true;
}

bool OptionsControls::changeActivitySetting(OptionsPress press, OptionsTab tab) {
    const std::size_t i = slotOf(tab);
    switch (press) {
    case OptionsPress::NextColour:
        options_.backgroundColour[i] = choosers_.nextColour();
        return true;
    case OptionsPress::ToggleOrder:
        options_.random[i] = toggled(options_.random[i]);
        return true;
    case OptionsPress::ToggleMusic:
        options_.musicOn[i] = toggled(options_.musicOn[i]);
        return true;
    case OptionsPress::ToggleSound:
        options_.soundOn[i] = toggled(options_.soundOn[i]);
        return true;
    case OptionsPress::NextListName:
        options_.listName[i] = choosers_.nextListName(tab, options_.listName[i]);
        return true;
    default:
        return false;
    }
}

bool OptionsControls::changeAccessSetting(OptionsPress press) {
    switch (press) {
    case OptionsPress::ToggleUseStop:
        options_.useStop = toggled(options_.useStop);
        return true;
    case OptionsPress::ToggleOneContact:
        options_.oneContact = toggled(options_.oneContact);
        return true;
    case OptionsPress::NextScanTime:
        options_.scanTime = nextScanTime(options_.scanTime);
        return true;
    case OptionsPress::NextKeyTime:
        options_.keyTime = nextKeyTime(options_.keyTime);
        return true;
    default:
        return false;
    }
}

void OptionsControls::changeShownSetting(OptionsPress press) {
    switch (press) {
    case OptionsPress::ToggleText:
        options_.textOn = toggled(options_.textOn);
        break;
    case OptionsPress::ToggleSpeech:
        options_.speechOn = toggled(options_.speechOn);
        break;
    case OptionsPress::ToggleCaps:
        options_.capsOn = toggled(options_.capsOn);
        break;
    case OptionsPress::NextNumPatterns:
        options_.numPatterns = nextNumPatterns(options_.numPatterns);
        break;
    case OptionsPress::NextNumFinds:
        options_.numFinds = nextNumFinds(options_.numFinds);
        break;
    case OptionsPress::NextFindPause:
        options_.findPause = nextFindPause(options_.findPause);
        break;
    case OptionsPress::NextRingsSpeed:
        options_.speedGame1 = nextSpeed(options_.speedGame1);
        break;
    case OptionsPress::NextMovingSpeed:
        options_.speedGame6 = nextSpeed(options_.speedGame6);
        break;
    case OptionsPress::ToggleMovie:
        options_.movie = toggled(options_.movie);
        break;
    case OptionsPress::NextLineWidth:
        options_.lineWidth = nextLineWidth(options_.lineWidth);
        break;
    case OptionsPress::NextContactMode:
        options_.contactMode = nextContactMode(options_.contactMode);
        break;
    default:
        break;
    }
}

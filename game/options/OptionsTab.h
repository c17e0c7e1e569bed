// SPDX-License-Identifier: GPL-3.0-or-later
// The tabs of the options screen, one for each screen of the game with settings of its own (the
// screen table's settings slots): the menu's tab also holds the switch setup of the whole game,
// each activity's tab that activity's own settings. A tab stands at its screen's place in the
// per-screen settings and among the tab pictures.
#pragma once

#include "common/content/GameScreen.h"

#include <cstddef>
#include <initializer_list>

// A screen that has a settings slot.
using OptionsTab = GameScreen;

constexpr int kOptionsTabCount = kSettingsSlots;

// The tab's place in the per-screen settings and among the tab pictures.
constexpr std::size_t slotOf(OptionsTab tab) {
    return static_cast<std::size_t>(rowOf(tab).settingsSlot);
}

// The tab at `slot`, 0 to kOptionsTabCount - 1.
constexpr OptionsTab tabAt(int slot) {
    for (const GameScreenRow& row : kGameScreens) {
        if (row.settingsSlot == slot) {
            return row.screen;
        }
    }
    return GameScreen::Menu;
}

// The tabs that a control shows on.
class OptionsTabs {
public:
    constexpr OptionsTabs(std::initializer_list<OptionsTab> tabs) {
        for (OptionsTab tab : tabs) {
            bits_ |= 1u << slotOf(tab);
        }
    }
    // The tabs of every screen with settings, and those of the menu's activities alone.
    static constexpr OptionsTabs every() { return matching(false); }
    static constexpr OptionsTabs activities() { return matching(true); }
    constexpr bool contains(OptionsTab tab) const { return ((bits_ >> slotOf(tab)) & 1u) != 0; }

private:
    static constexpr OptionsTabs matching(bool activitiesOnly) {
        OptionsTabs tabs{};
        for (const GameScreenRow& row : kGameScreens) {
            if (row.settingsSlot >= 0 && (row.menuPlace > 0 || !activitiesOnly)) {
                tabs.bits_ |= 1u << row.settingsSlot;
            }
        }
        return tabs;
    }

    unsigned bits_ = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The tabs of the options screen, one for each screen of the game whose settings they show: the
// menu's tab also holds the switch setup of the whole game, each activity's tab that activity's
// own settings. A tab stands at its screen's place in the per-screen settings and among the tab
// pictures.
#pragma once

#include <cstddef>
#include <initializer_list>

enum class OptionsTab {
    Menu,
    ColourRings,
    PictureSteps,
    FindImages,
    Painting,
    PictureAndWord,
    MovingPictures,
};

constexpr int kOptionsTabCount = 7;

// The tab's place in the per-screen settings and among the tab pictures.
constexpr std::size_t slotOf(OptionsTab tab) {
    return static_cast<std::size_t>(tab);
}

// The tabs that a control shows on.
class OptionsTabs {
public:
    constexpr OptionsTabs(std::initializer_list<OptionsTab> tabs) {
        for (OptionsTab tab : tabs) {
            bits_ |= 1u << slotOf(tab);
        }
    }
    constexpr bool contains(OptionsTab tab) const { return ((bits_ >> slotOf(tab)) & 1u) != 0; }

private:
    unsigned bits_ = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The choosers of the options screen: for each of the seven tabs a list chooser that offers the
// list files of the language folder in folder order, and the colour cycle through the palette of
// background colours, and the choice of language. A chooser never reshuffles, so presses walk the
// names round and round.
#pragma once

#include "common/files/FileSystem.h"
#include "game/content/FileList.h"
#include "game/content/Options.h"
#include "game/content/RandomGenerator.h"
#include "game/options/LanguageChooser.h"
#include "game/options/OptionsTab.h"
#include "game/platform/Clock.h"

#include <cstdint>
#include <string>
#include <vector>

class OptionsChoosers {
public:
    OptionsChoosers(const FileSystem& files, RandomGenerator& random, const Clock& clock);

    // Fills the colour cycle with the palette and selects the menu's colour (the menu's tab is
    // shown first); fills every tab's chooser from data\<language>\*.* and stands it on the tab's
    // list name, so that its first press gives the name after it. Names with a line break or
    // another control character are not offered: they could not be written as a setting.
    void setUp(const Options& options);
    // Fills every tab's chooser anew from the language folder, as setUp: after the language
    // changed.
    void fillLists(const Options& options);

    // The list name after the chooser's current one, wrapping to the first. A language folder
    // without lists has no name to give: `current` comes back unchanged.
    std::u16string nextListName(OptionsTab tab, const std::u16string& current);

    // The language folder after `current`, wrapping round (see LanguageChooser).
    std::u16string nextLanguage(const std::u16string& current) const {
        return languages_.next(current);
    }

    // Makes the colour current, appending it to the cycle when the palette lacks it.
    void selectColour(std::uint32_t argb) { colours_.selectColour(argb); }
    std::uint32_t nextColour() { return colours_.nextColour(); }
    // Entry i of the palette, counted from 0; 0 for an entry that does not exist.
    std::uint32_t paletteColour(int i) const;

    const FileList& chooser(int tab) const;
    const FileList& colourCycle() const { return colours_; }
    const LanguageChooser& languages() const { return languages_; }

private:
    const FileSystem& files_;
    FileList colours_;
    LanguageChooser languages_;
    std::vector<FileList> lists_; // one per tab
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionsChoosers.h"

OptionsChoosers::OptionsChoosers(const FileSystem& files, RandomGenerator& random,
                                 const Clock& clock)
    : files_(files), colours_(files, random, clock) {
    lists_.reserve(Options::kScreens);
    for (int tab = 0; tab < Options::kScreens; ++tab) {
        lists_.emplace_back(files, random, clock);
    }
}

void OptionsChoosers::setUp(const Options& options) {
    colours_.fillPalette();
    colours_.selectColour(options.backgroundColour[0]);
    languages_.fill(files_);
    fillLists(options);
}

void OptionsChoosers::fillLists(const Options& options) {
    const std::u16string pattern = u"data\\" + options.language + u"\\*.*";
    for (int tab = 0; tab < Options::kScreens; ++tab) {
        FileList& chooser = lists_[static_cast<std::size_t>(tab)];
        chooser.clear(); // another language's lists go
        chooser.fill(pattern);
        chooser.dropNamesWithControlCharacters();
        chooser.find(options.listName[static_cast<std::size_t>(tab)]);
        // Past the current name: a name not among the files leaves the chooser past the first.
        chooser.next();
    }
}

std::u16string OptionsChoosers::nextListName(OptionsTab tab, const std::u16string& current) {
    FileList& chooser = lists_.at(slotOf(tab));
    if (chooser.names().empty()) {
        return current;
    }
    return chooser.next();
}

std::uint32_t OptionsChoosers::paletteColour(int i) const {
    const auto& colours = colours_.colours();
    if (i < 0 || i >= static_cast<int>(colours.size())) {
        return 0;
    }
    return colours[static_cast<std::size_t>(i)];
}

const FileList& OptionsChoosers::chooser(int tab) const {
    return lists_.at(static_cast<std::size_t>(tab));
}

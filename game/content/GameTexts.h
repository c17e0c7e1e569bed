// SPDX-License-Identifier: GPL-3.0-or-later
// The game's few fixed words in the content's language: the splash notice, the missing-list
// message and its caption, and the about picture's version line. They are read from
// data\<language>\Options\vimo.txt, one text per line in the order of `Text`, over the built-in
// English ones.
#pragma once

#include "common/content/LanguageTexts.h"
#include "common/files/FileSystem.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

class GameTexts {
public:
    // In the order of the lines of vimo.txt. To add a text: one entry here, its English at the
    // same place in kEnglish, and one line at the same place in every language's vimo.txt (the
    // demo content's come from tools/content/texts.py). Entries are only ever appended, so the
    // files of older installations keep their meaning.
    enum Text { CopyrightNotice, ListMissing, ListMissingCaption, VersionLine, Count };

    static constexpr std::array<std::u16string_view, Count> kEnglish = {
        u"Vimo \u00a9 2026 the Vimo developers. Free software.",
        u"A list is missing: %1", // the list's path
        u"Error - list is missing.",
        u"Version 1.0",
    };
    static_assert(noneEmpty(kEnglish), "every text needs its English");

    // The built-in English texts.
    GameTexts();

    static GameTexts read(const FileSystem& files, std::u16string_view language);
    static std::u16string pathOf(std::u16string_view language);

    const std::u16string& operator[](Text text) const { return texts_[text]; }

private:
    std::vector<std::u16string> texts_;
};

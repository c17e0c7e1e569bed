// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameTexts.h"

GameTexts::GameTexts() : texts_(kEnglish.begin(), kEnglish.end()) {}

std::u16string GameTexts::pathOf(std::u16string_view language) {
    // Beside options.txt: a file directly in data\<language>\ would be taken for a content list.
    return u"data\\" + std::u16string(language) + u"\\Options\\vimo.txt";
}

GameTexts GameTexts::read(const FileSystem& files, std::u16string_view language) {
    GameTexts texts;
    texts.texts_ = readLanguageTexts(files, pathOf(language), kEnglish);
    return texts;
}

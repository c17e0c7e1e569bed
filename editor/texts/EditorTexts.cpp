// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/texts/EditorTexts.h"

#include "common/textfile/CTextFileException.h"
#include "common/textfile/TextFile.h"

#include <algorithm>
#include <span>
#include <utility>
#include <vector>

EditorTexts::EditorTexts() {
    std::copy(kEnglish.begin(), kEnglish.end(), texts_.begin());
}

std::u16string EditorTexts::pathOf(std::u16string_view language) {
    return u"data\\" + std::u16string(language) + u"\\Tool\\tool.txt";
}

std::u16string EditorTexts::messagesPathOf(std::u16string_view language) {
    // In the Tool folder too: a file directly in data\<language>\ would be taken for a list.
    return u"data\\" + std::u16string(language) + u"\\Tool\\editor.txt";
}

EditorTexts EditorTexts::read(const FileSystem& files, std::u16string_view language) {
    EditorTexts texts;
    TextFile file;
    try {
        if (file.openForReading(files, pathOf(language))) {
            std::u16string line;
            for (int n = 0; n < kToolTexts && file.readLine(line); ++n) {
                texts.texts_[n] = std::move(line);
            }
        }
    } catch (const CTextFileException&) {
        // A disk error part-way: the lines read before it count, the rest stay English.
    }
    std::vector<std::u16string> messages =
        readLanguageTexts(files, messagesPathOf(language), std::span(kEnglish).subspan(kToolTexts));
    std::move(messages.begin(), messages.end(), texts.texts_.begin() + kToolTexts);
    return texts;
}

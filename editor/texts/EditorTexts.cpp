// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/texts/EditorTexts.h"

#include "common/textfile/CTextFileException.h"
#include "common/textfile/TextFile.h"

#include <utility>

EditorTexts::EditorTexts()
    : texts_{u"List",
             u"Exercise",
             u"Image",
             u"Sound",
             u"Speech",
             u"Text",
             u" None", // the blank sorts it above every file name
             u"Please enter the name for the new item.",
             u"Really delete list ",
             u"Really delete image file?",
             u"Really delete sound file?",
             u"Really delete speech file?",
             u"The output file could not be opened. Save aborted. File: "} {}

std::u16string EditorTexts::pathOf(std::u16string_view language) {
    return u"data\\" + std::u16string(language) + u"\\Tool\\tool.txt";
}

EditorTexts EditorTexts::read(const FileSystem& files, std::u16string_view language) {
    EditorTexts texts;
    TextFile file;
    try {
        if (!file.openForReading(files, pathOf(language))) {
            return texts;
        }
        std::u16string line;
        for (std::u16string& text : texts.texts_) {
            if (!file.readLine(line)) {
                break;
            }
            text = std::move(line);
        }
    } catch (const CTextFileException&) {
        // A disk error part-way: the lines read before it count, the rest stay English.
    }
    return texts;
}

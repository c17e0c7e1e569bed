// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionsTexts.h"

#include "common/textfile/CTextFileException.h"
#include "common/textfile/TextFile.h"

void OptionsTexts::read(const FileSystem& files, std::u16string_view language) {
    for (std::u16string& text : lines_) {
        text.clear();
    }
    const std::u16string path = u"data\\" + std::u16string(language) + u"\\Options\\options.txt";
    TextFile file;
    try {
        if (!file.openForReading(files, path)) {
            return;
        }
        for (std::u16string& text : lines_) {
            std::u16string line;
            if (!file.readLine(line)) {
                break;
            }
            text = std::move(line);
        }
        file.close();
    } catch (const CTextFileException&) {
        // A help line is a courtesy: whatever was read stands, the rest stay empty.
    }
}

const std::u16string& OptionsTexts::line(int k) const {
    if (k < 1 || k > kCount) {
        return none_;
    }
    return lines_[static_cast<std::size_t>(k - 1)];
}

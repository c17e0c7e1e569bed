// SPDX-License-Identifier: GPL-3.0-or-later
#include "LanguageTexts.h"

#include "common/text/Utf8.h"
#include "common/textfile/CTextFileException.h"
#include "common/textfile/TextFile.h"

#include <cstdio>
#include <utility>

namespace {

// The numbers n of the placeholders %n (1 to 9) that `text` holds, as a set of bits.
unsigned placeholdersOf(std::u16string_view text) {
    unsigned found = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'%' && text[i + 1] >= u'1' && text[i + 1] <= u'9') {
            found |= 1u << (text[i + 1] - u'0');
        }
    }
    return found;
}

} // namespace

std::vector<std::u16string> readLanguageTexts(const FileSystem& files, std::u16string_view path,
                                              std::span<const std::u16string_view> english) {
    std::vector<std::u16string> texts(english.begin(), english.end());
    TextFile file;
    try {
        if (!file.openForReading(files, path)) {
            return texts;
        }
        std::u16string line;
        for (std::size_t n = 0; n < texts.size() && file.readLine(line); ++n) {
            const unsigned needed = placeholdersOf(english[n]);
            if (line.empty()) {
                continue;
            }
            if ((placeholdersOf(line) & needed) != needed) {
                std::fprintf(stderr,
                             "%s, line %zu: the text leaves out a %%-number of the English text "
                             "\"%s\"; the English text is used. Add it to the line.\n",
                             toUtf8(path).c_str(), n + 1, toUtf8(english[n]).c_str());
                continue;
            }
            texts[n] = std::move(line);
        }
    } catch (const CTextFileException&) {
        // The lines read before the failure stand; the rest stay English.
    }
    return texts;
}

std::u16string fillIn(std::u16string_view text, std::initializer_list<std::u16string_view> values) {
    std::u16string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'%' && i + 1 < text.size() && text[i + 1] >= u'1' &&
            static_cast<std::size_t>(text[i + 1] - u'0') <= values.size()) {
            result += values.begin()[text[i + 1] - u'1'];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

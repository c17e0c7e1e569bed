// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/TextWrap.h"

#include <cstddef>

namespace {

bool isSpace(char16_t unit) {
    return unit == u' ' || unit == u'\t';
}

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

// How many units of `word` fit in `maxWidth`: at least one character, so every line takes some.
std::size_t unitsThatFit(std::u16string_view word, int maxWidth, const TextWidth& widthOf) {
    std::size_t fit = isHighSurrogate(word[0]) && word.size() > 1 ? 2 : 1;
    while (fit < word.size()) {
        const std::size_t next =
            fit + (isHighSurrogate(word[fit]) && fit + 1 < word.size() ? 2 : 1);
        if (widthOf(word.substr(0, next)) > maxWidth) {
            break;
        }
        fit = next;
    }
    return fit;
}

// One paragraph (no line breaks of its own) broken into lines, appended to `out`.
void wrapParagraph(std::u16string_view paragraph, int maxWidth, const TextWidth& widthOf,
                   std::u16string& out) {
    std::u16string line;
    std::size_t at = 0;
    while (at < paragraph.size()) {
        std::size_t end = at;
        while (end < paragraph.size() && !isSpace(paragraph[end])) {
            ++end;
        }
        std::u16string_view word = paragraph.substr(at, end - at);
        std::u16string candidate =
            line.empty() ? std::u16string(word) : line + u' ' + std::u16string(word);
        if (!line.empty() && widthOf(candidate) > maxWidth) {
            out += line + u'\n';
            line.clear();
            candidate = std::u16string(word);
        }
        while (line.empty() && !word.empty() && widthOf(word) > maxWidth) {
            const std::size_t fit = unitsThatFit(word, maxWidth, widthOf);
            out += std::u16string(word.substr(0, fit)) + u'\n';
            word.remove_prefix(fit);
            candidate = std::u16string(word);
        }
        line = candidate;
        at = end;
        while (at < paragraph.size() && isSpace(paragraph[at])) {
            ++at;
        }
    }
    out += line;
}

} // namespace

std::u16string wrapText(std::u16string_view text, int maxWidth, const TextWidth& widthOf) {
    std::u16string out;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(u'\n', start);
        wrapParagraph(text.substr(start, end == std::u16string_view::npos ? end : end - start),
                      maxWidth, widthOf, out);
        if (end == std::u16string_view::npos) {
            return out;
        }
        out += u'\n';
        start = end + 1;
    }
}

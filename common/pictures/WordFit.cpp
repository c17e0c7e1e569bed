// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordFit.h"

#include <algorithm>
#include <optional>

namespace {

// Heights tried one after the other: every second pixel keeps the measuring short.
constexpr int kPixelStep = 2;

using WidthAt = std::function<float(std::u16string_view, int)>;

bool fits(std::u16string_view text, int pixels, const WidthAt& widthAt) {
    return widthAt(text, pixels) <= kWordWidth;
}

// The largest height from `largest` down to `smallest` at which every line fits.
std::optional<int> largestFitting(std::u16string_view first, std::u16string_view second,
                                  int largest, int smallest, const WidthAt& widthAt) {
    for (int pixels = largest; pixels >= smallest; pixels -= kPixelStep) {
        if (fits(first, pixels, widthAt) && (second.empty() || fits(second, pixels, widthAt))) {
            return pixels;
        }
    }
    return std::nullopt;
}

// The space that leaves the wider of the two lines narrowest; none without a space.
std::optional<std::size_t> evenestBreak(std::u16string_view word, const WidthAt& widthAt) {
    std::optional<std::size_t> best;
    float bestWidth = 0;
    for (std::size_t at = word.find(u' '); at != std::u16string_view::npos;
         at = word.find(u' ', at + 1)) {
        const float wider = std::max(widthAt(word.substr(0, at), kSmallestReadableWordPixels),
                                     widthAt(word.substr(at + 1), kSmallestReadableWordPixels));
        if (!best || wider < bestWidth) {
            best = at;
            bestWidth = wider;
        }
    }
    return best;
}

} // namespace

FittedWord fitWord(std::u16string_view word, const WidthAt& widthAt) {
    if (const auto pixels =
            largestFitting(word, {}, kWordPixels, kSmallestReadableWordPixels, widthAt)) {
        return {*pixels, std::u16string(word)};
    }
    if (const std::optional<std::size_t> at = evenestBreak(word, widthAt)) {
        const std::u16string_view first = word.substr(0, *at);
        const std::u16string_view second = word.substr(*at + 1);
        const int pixels =
            largestFitting(first, second, kSmallestReadableWordPixels, kSmallestWordPixels, widthAt)
                .value_or(kSmallestWordPixels);
        return {pixels, std::u16string(first) + u'\n' + std::u16string(second)};
    }
    const int pixels =
        largestFitting(word, {}, kSmallestReadableWordPixels, kSmallestWordPixels, widthAt)
            .value_or(kSmallestWordPixels);
    return {pixels, std::u16string(word)};
}

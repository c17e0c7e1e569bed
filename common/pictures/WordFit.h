// SPDX-License-Identifier: GPL-3.0-or-later
// How the picture-and-word screen fits an exercise's word into the width of the game: a word that
// does not fit at its full height is drawn smaller until it does, down to a height still easy to
// read, and then wrapped onto a second line at that height (two lines fit under the picture only
// so), at the space that leaves the two lines most even. The game and the editor's preview both
// fit with this rule, each measuring with its own font.
#pragma once

#include <functional>
#include <string>
#include <string_view>

struct FittedWord {
    // The font's height in pixels of the 800 x 600 game.
    int pixels = 0;
    // The word, with a line break where it is wrapped.
    std::u16string text;

    bool operator==(const FittedWord&) const = default;
};

inline constexpr int kWordPixels = 80;
// The smallest height a child reads comfortably from a little way off.
inline constexpr int kSmallestReadableWordPixels = 40;
// Below this even a word that cannot be wrapped is not drawn smaller; it runs over the edges.
inline constexpr int kSmallestWordPixels = 12;
// The width the word may take: the game's 800 pixels less a margin at each side.
inline constexpr float kWordWidth = 780.0f;

// `widthAt(text, pixels)` is the width of one line of `text` in the word's font at that height.
FittedWord fitWord(std::u16string_view word,
                   const std::function<float(std::u16string_view text, int pixels)>& widthAt);

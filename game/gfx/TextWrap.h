// SPDX-License-Identifier: GPL-3.0-or-later
// Breaks a text into lines no wider than a width, for the messages the game shows an adult: at
// spaces where it can, inside a word only where the word alone is wider than a line. The text's
// own line breaks stay.
#pragma once

#include <functional>
#include <string>
#include <string_view>

// The width of a piece of text in pixels, in the font it will be drawn in.
using TextWidth = std::function<int(std::u16string_view)>;

// The text with a line feed at each break; a run of spaces becomes one, and none is left at a
// break.
std::u16string wrapText(std::u16string_view text, int maxWidth, const TextWidth& widthOf);

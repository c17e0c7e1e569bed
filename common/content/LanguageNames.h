// SPDX-License-Identifier: GPL-3.0-or-later
// The names people write for a language in data\lang.txt: its English name (the one the demo
// content's folders use), its own name, or its two-letter code, in any letter case.
#pragma once

#include <string_view>
#include <vector>

// Every name of the language `written` names, its English name first; empty for a name of no
// language this program knows a locale for.
std::vector<std::u16string_view> namesOfLanguage(std::u16string_view written);

// The English name of the language `written` names ("Svenska", "sv" and "SWEDISH" all give
// "Swedish"); empty for a name this program does not know.
std::u16string_view englishLanguageName(std::u16string_view written);

// How the language `written` names itself, for a choice of languages that a speaker of any of
// them can read ("Swedish" gives "Svenska"); `written` itself for a language this program does
// not know.
std::u16string_view ownLanguageName(std::u16string_view written);

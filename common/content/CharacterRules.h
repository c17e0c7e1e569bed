// SPDX-License-Identifier: GPL-3.0-or-later
// The character rules of one language: which capital each letter has. A value made from the
// language's name and handed to whatever writes text in capitals, so that no code reads or
// changes the process-wide C locale for it.
#pragma once

#include <locale>
#include <string>
#include <string_view>

class CharacterRules {
public:
    // The "C" rules, in which only a to z have capitals.
    CharacterRules();
    // The rules of `language`, a name as data\lang.txt writes it. "other" keeps the "C" rules; a
    // known language whose locale is not installed falls back to C.UTF-8; a name that is not a
    // locale (and a name that is a path, which is never loaded) keeps the "C" rules too.
    explicit CharacterRules(std::u16string_view language);

    // Every letter of `text` in its capital form; surrogate halves stay as they are.
    void toUpperCase(std::u16string& text) const;

private:
    std::locale locale_;
};

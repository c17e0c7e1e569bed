// SPDX-License-Identifier: GPL-3.0-or-later
#include "LanguageNames.h"

#include "common/text/CaseFolding.h"

#include <array>

namespace {

// The English name first, then the language's own names and its ISO 639-1 codes; English, whose
// own name is its English name, goes straight on to its code.
using Names = std::array<std::u16string_view, 4>;
constexpr std::array<Names, 22> kNames = {{
    {u"English", u"en"},
    {u"Swedish", u"Svenska", u"sv"},
    {u"Norwegian", u"Norsk", u"nb", u"no"},
    {u"Danish", u"Dansk", u"da"},
    {u"Finnish", u"Suomi", u"fi"},
    {u"Icelandic", u"\u00cdslenska", u"is"},
    {u"German", u"Deutsch", u"de"},
    {u"French", u"Fran\u00e7ais", u"fr"},
    {u"Spanish", u"Espa\u00f1ol", u"es"},
    {u"Italian", u"Italiano", u"it"},
    {u"Dutch", u"Nederlands", u"nl"},
    {u"Portuguese", u"Portugu\u00eas", u"pt"},
    {u"Polish", u"Polski", u"pl"},
    {u"Czech", u"\u010ce\u0161tina", u"cs"},
    {u"Hungarian", u"Magyar", u"hu"},
    {u"Estonian", u"Eesti", u"et"},
    {u"Greek", u"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac", u"el"},
    {u"Russian", u"\u0420\u0443\u0441\u0441\u043a\u0438\u0439", u"ru"},
    {u"Turkish", u"T\u00fcrk\u00e7e", u"tr"},
    {u"Ukrainian", u"\u0423\u043a\u0440\u0430\u0457\u043d\u0441\u044c\u043a\u0430", u"uk"},
    {u"Lithuanian", u"Lietuvi\u0173", u"lt"},
    {u"Latvian", u"Latvie\u0161u", u"lv"},
}};

const Names* findLanguage(std::u16string_view written) {
    for (const Names& names : kNames) {
        for (std::u16string_view name : names) {
            if (!name.empty() && equalsIgnoringCase(name, written)) {
                return &names;
            }
        }
    }
    return nullptr;
}

} // namespace

std::vector<std::u16string_view> namesOfLanguage(std::u16string_view written) {
    std::vector<std::u16string_view> result;
    if (const Names* names = findLanguage(written)) {
        for (std::u16string_view name : *names) {
            if (!name.empty()) {
                result.push_back(name);
            }
        }
    }
    return result;
}

std::u16string_view englishLanguageName(std::u16string_view written) {
    const Names* names = findLanguage(written);
    return names ? (*names)[0] : std::u16string_view();
}

std::u16string_view ownLanguageName(std::u16string_view written) {
    const Names* names = findLanguage(written);
    if (names == nullptr) {
        return written;
    }
    // A code has two letters; every own name is longer.
    const std::u16string_view own = (*names)[1];
    return own.size() > 2 ? own : (*names)[0];
}

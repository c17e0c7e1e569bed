// SPDX-License-Identifier: GPL-3.0-or-later
#include "CharacterRules.h"

#include "Language.h"
#include "common/text/Utf8.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace {

// Only a plain locale name is passed on: the C library takes a name with a slash for a path and
// would load whatever file it names.
bool isPlainLocaleName(std::u16string_view name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char16_t c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
               c == u'_' || c == u'.' || c == u'-' || c == u'@';
    });
}

} // namespace

CharacterRules::CharacterRules() : locale_(std::locale::classic()) {}

CharacterRules::CharacterRules(std::u16string_view language) : CharacterRules() {
    if (language == u"other") {
        return;
    }
    std::vector<std::string> candidates = localeNamesFor(language);
    // A name we do not know may still be one the platform knows ("sv_SE.UTF-8"); an empty name
    // would ask for the environment's locale, which is not what the content folder says.
    if (candidates.empty() && isPlainLocaleName(language)) {
        candidates.push_back(toUtf8(language));
    }
    for (const std::string& name : candidates) {
        try {
            // Only the character types come from the named locale; everything else stays "C".
            locale_ = std::locale(std::locale::classic(), name.c_str(), std::locale::ctype);
            return;
        } catch (const std::runtime_error&) {
            // Not installed here: try the next.
        }
    }
}

void CharacterRules::toUpperCase(std::u16string& text) const {
    const auto& ctype = std::use_facet<std::ctype<wchar_t>>(locale_);
    for (char16_t& unit : text) {
        if (unit < 0xD800 || unit > 0xDFFF) {
            unit = static_cast<char16_t>(ctype.toupper(static_cast<wchar_t>(unit)));
        }
    }
}

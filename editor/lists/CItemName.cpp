// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/lists/CItemName.h"

#include "common/files/ReplacingOutputStream.h"
#include "common/text/CaseFolding.h"
#include "common/text/Utf8.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

constexpr std::size_t kLongestNameBytes = 255;

bool isLineBreak(char16_t c) {
    return c == u'\r' || c == u'\n';
}

// Windows opens a device, not a file, for these names, with any extension.
bool isDeviceName(std::u16string_view name) {
    const std::u16string_view stem = name.substr(0, name.find(u'.'));
    static constexpr std::array<std::u16string_view, 4> kPlain = {u"CON", u"PRN", u"AUX", u"NUL"};
    for (std::u16string_view device : kPlain) {
        if (equalsIgnoringCase(stem, device)) {
            return true;
        }
    }
    if (stem.size() == 4 && stem[3] >= u'1' && stem[3] <= u'9') {
        const std::u16string_view prefix = stem.substr(0, 3);
        return equalsIgnoringCase(prefix, u"COM") || equalsIgnoringCase(prefix, u"LPT");
    }
    return false;
}

// `name` with `suffix` before its extension, the part before cut (never inside a letter of two
// UTF-16 units) so that the whole stays within the longest name.
std::u16string withSuffix(std::u16string_view name, std::u16string_view suffix) {
    const std::size_t dot = name.rfind(u'.');
    const std::u16string_view extension =
        dot != std::u16string_view::npos && dot > 0 && name.size() - dot <= 16 ? name.substr(dot)
                                                                               : u"";
    std::u16string stem(name.substr(0, name.size() - extension.size()));
    const std::size_t ending = toUtf8(suffix).size() + toUtf8(extension).size();
    while (!stem.empty() && toUtf8(stem).size() + ending > kLongestNameBytes) {
        stem.pop_back();
        if (!stem.empty() && stem.back() >= 0xD800 && stem.back() <= 0xDBFF) {
            stem.pop_back();
        }
    }
    return stem + std::u16string(suffix) + std::u16string(extension);
}

} // namespace

bool CItemName::staysInFolder(std::u16string_view name) {
    if (name.empty() || name == u"." || name == u"..") {
        return false;
    }
    return std::none_of(name.begin(), name.end(), [](char16_t c) {
        return c == u'/' || c == u'\\' || isLineBreak(c) || c == 0;
    });
}

CItemName::Fault CItemName::faultOf(std::u16string_view name) {
    if (name.empty() || name == u"." || name == u"..") {
        return Fault::NoName;
    }
    constexpr std::u16string_view kRefused = u"<>:\"|?*/\\";
    const bool refusedCharacter = std::any_of(name.begin(), name.end(), [&](char16_t c) {
        return c < 0x20 || kRefused.find(c) != std::u16string_view::npos;
    });
    if (refusedCharacter) {
        return Fault::Character;
    }
    if (name.back() == u' ' || name.back() == u'.') {
        return Fault::Ending;
    }
    if (isDeviceName(name)) {
        return Fault::Device;
    }
    if (isTemporaryFileName(name)) {
        return Fault::Temporary;
    }
    return toUtf8(name).size() <= kLongestNameBytes ? Fault::None : Fault::TooLong;
}

std::u16string CItemName::corrected(std::u16string_view name) {
    std::u16string fixed(name);
    constexpr std::u16string_view kRefused = u"<>:\"|?*/\\";
    std::replace_if(
        fixed.begin(), fixed.end(),
        [&](char16_t c) { return c < 0x20 || kRefused.find(c) != std::u16string_view::npos; },
        u'-');
    const auto trimEnd = [&fixed] {
        while (!fixed.empty() && (fixed.back() == u' ' || fixed.back() == u'.')) {
            fixed.pop_back();
        }
    };
    trimEnd();
    if (isDeviceName(fixed)) {
        fixed.insert(std::min(fixed.find(u'.'), fixed.size()), u"_");
    }
    if (isTemporaryFileName(fixed)) {
        fixed[0] = u'_';
    }
    if (toUtf8(fixed).size() > kLongestNameBytes) {
        fixed = withSuffix(fixed, u"");
        trimEnd();
    }
    return isPortableFileName(fixed) ? fixed : u"file";
}

std::u16string CItemName::numbered(std::u16string_view name, int number) {
    const std::string suffix = " (" + std::to_string(number) + ")";
    return withSuffix(name, std::u16string(suffix.begin(), suffix.end()));
}

std::u16string CItemName::onOneLine(std::u16string_view text) {
    std::u16string line(text);
    std::replace_if(line.begin(), line.end(), isLineBreak, u' ');
    return line;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/lists/CItemName.h"

#include "common/files/ReplacingOutputStream.h"
#include "common/text/CaseFolding.h"
#include "common/text/Utf8.h"

#include <algorithm>
#include <array>

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

} // namespace

bool CItemName::staysInFolder(std::u16string_view name) {
    if (name.empty() || name == u"." || name == u"..") {
        return false;
    }
    return std::none_of(name.begin(), name.end(), [](char16_t c) {
        return c == u'/' || c == u'\\' || isLineBreak(c) || c == 0;
    });
}

bool CItemName::isPortableFileName(std::u16string_view name) {
    if (!staysInFolder(name)) {
        return false;
    }
    constexpr std::u16string_view kRefused = u"<>:\"|?*";
    const bool refusedCharacter = std::any_of(name.begin(), name.end(), [&](char16_t c) {
        return c < 0x20 || kRefused.find(c) != std::u16string_view::npos;
    });
    if (refusedCharacter || name.back() == u' ' || name.back() == u'.') {
        return false;
    }
    return !isDeviceName(name) && !isTemporaryFileName(name) &&
           toUtf8(name).size() <= kLongestNameBytes;
}

std::u16string CItemName::onOneLine(std::u16string_view text) {
    std::u16string line(text);
    std::replace_if(line.begin(), line.end(), isLineBreak, u' ');
    return line;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaseFolding.h"

namespace {

// Within [first, last], lower-case letters sit at odd (or even) code points right after their
// capitals.
char16_t upcasePaired(char16_t unit, char16_t first, char16_t last, bool capitalsEven) {
    if (unit < first || unit > last) {
        return unit;
    }
    const bool even = (unit % 2) == 0;
    return (even != capitalsEven) ? static_cast<char16_t>(unit - 1) : unit;
}

// ASCII, Latin-1 and Latin Extended-A (below U+0180).
char16_t upcaseLatin(char16_t u) {
    if (u < 0x80) {
        return (u >= u'a' && u <= u'z') ? static_cast<char16_t>(u - 0x20) : u;
    }
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7) {
        return static_cast<char16_t>(u - 0x20);
    }
    if (u == 0xFF) {
        return 0x178;
    }
    if (u >= 0x100 && u <= 0x17F) {
        if (u == 0x131 || u == 0x138 || u == 0x149 || u == 0x17F) {
            return u;
        }
        if (u <= 0x137) {
            return upcasePaired(u, 0x100, 0x137, true);
        }
        if (u <= 0x148) {
            return upcasePaired(u, 0x139, 0x148, false);
        }
        if (u <= 0x177) {
            return upcasePaired(u, 0x14A, 0x177, true);
        }
        return upcasePaired(u, 0x179, 0x17E, false);
    }
    return u;
}

// Greek and Coptic (U+0370 to U+03FF): the plain and the accented small letters, and the final
// sigma.
char16_t upcaseGreek(char16_t u) {
    if (u >= 0x3B1 && u <= 0x3CB && u != 0x3C2) {
        return static_cast<char16_t>(u - 0x20);
    }
    switch (u) {
    case 0x3C2:
        return 0x3A3;
    case 0x3AC:
        return 0x386;
    case 0x3AD:
        return 0x388;
    case 0x3AE:
        return 0x389;
    case 0x3AF:
        return 0x38A;
    case 0x3CC:
        return 0x38C;
    case 0x3CD:
        return 0x38E;
    case 0x3CE:
        return 0x38F;
    default:
        return u;
    }
}

// Cyrillic and its supplement (U+0400 to U+052F).
char16_t upcaseCyrillic(char16_t u) {
    if (u >= 0x430 && u <= 0x44F) {
        return static_cast<char16_t>(u - 0x20);
    }
    if (u >= 0x450 && u <= 0x45F) {
        return static_cast<char16_t>(u - 0x50);
    }
    if (u >= 0x460 && u <= 0x481) {
        return upcasePaired(u, 0x460, 0x481, true);
    }
    if (u >= 0x48A && u <= 0x4BF) {
        return upcasePaired(u, 0x48A, 0x4BF, true);
    }
    if (u >= 0x4C1 && u <= 0x4CE) {
        return upcasePaired(u, 0x4C1, 0x4CE, false);
    }
    if (u >= 0x4D0 && u <= 0x52F) {
        return upcasePaired(u, 0x4D0, 0x52F, true);
    }
    return u;
}

} // namespace

char16_t upcase(char16_t u) {
    if (u < 0x180) {
        return upcaseLatin(u);
    }
    if (u >= 0x370 && u < 0x400) {
        return upcaseGreek(u);
    }
    if (u >= 0x400 && u < 0x530) {
        return upcaseCyrillic(u);
    }
    if (u >= 0xFF41 && u <= 0xFF5A) { // full-width Latin
        return static_cast<char16_t>(u - 0x20);
    }
    return u;
}

bool equalsIgnoringCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (upcase(a[i]) != upcase(b[i])) {
            return false;
        }
    }
    return true;
}

int compareFileNames(std::u16string_view a, std::u16string_view b) {
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < common; ++i) {
        const char16_t ua = upcase(a[i]);
        const char16_t ub = upcase(b[i]);
        if (ua != ub) {
            return ua < ub ? -1 : 1;
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return a.compare(b);
}

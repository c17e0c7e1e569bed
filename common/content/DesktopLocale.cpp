// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopLocale.h"

#include "LanguageNames.h"
#include "common/text/Utf8.h"

#include <cstdlib>

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

} // namespace

DesktopLocale DesktopLocale::ofProcess() {
    return DesktopLocale{variable("LC_ALL"), variable("LC_MESSAGES"), variable("LANG")};
}

std::u16string_view desktopLanguage(const DesktopLocale& locale) {
    // A set variable decides even when it names C: LC_ALL=C means no language, whatever LANG is.
    std::string_view name = locale.lang;
    for (const std::string* set : {&locale.lcAll, &locale.lcMessages}) {
        if (!set->empty()) {
            name = *set;
            break;
        }
    }
    // language[_territory][.codeset][@modifier]: the language alone.
    name = name.substr(0, name.find_first_of("_.@"));
    if (name.empty() || name == "C" || name == "POSIX") {
        return {};
    }
    return englishLanguageName(fromUtf8(std::string(name)));
}

std::u16string firstStartLanguage(std::u16string_view systemLanguage, const DesktopLocale& locale) {
    if (!systemLanguage.empty()) {
        return std::u16string(systemLanguage);
    }
    return std::u16string(desktopLanguage(locale));
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The locale a desktop session names in its environment, and the language a first start takes
// from it: a family whose desktop speaks Swedish finds the game in Swedish without any file to
// edit, while a school's system-wide language still decides for every account.
#pragma once

#include <string>
#include <string_view>

struct DesktopLocale {
    // The variables as the environment holds them; empty when unset.
    std::string lcAll;
    std::string lcMessages;
    std::string lang;

    // The variables of this process.
    static DesktopLocale ofProcess();
};

// The English name of the language of the locale that decides a program's messages: the first
// set of LC_ALL, LC_MESSAGES and LANG ("sv_SE.UTF-8" and "sv" give "Swedish"). Empty for the
// C and POSIX locales and for a language this program does not know.
std::u16string_view desktopLanguage(const DesktopLocale& locale);

// The language a first start takes: `systemLanguage` (a school's setting for every account) when
// there is one, else the desktop's. Empty for neither: the content folder's language then stays.
std::u16string firstStartLanguage(std::u16string_view systemLanguage, const DesktopLocale& locale);

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Language.h"

#include "LanguageNames.h"
#include "SettingValues.h"
#include "common/text/CaseFolding.h"
#include "common/text/Utf8.h"
#include "common/textfile/CTextFileException.h"
#include "common/textfile/TextFile.h"

#include <array>
#include <cstdio>
#include <utility>

namespace {

struct LanguageLocale {
    std::u16string_view language;
    const char* locale;
};

// Language names as data\lang.txt writes them, in English.
constexpr std::array<LanguageLocale, 22> kLocales = {{
    {u"English", "en_US.UTF-8"},  {u"Swedish", "sv_SE.UTF-8"},   {u"Norwegian", "nb_NO.UTF-8"},
    {u"Danish", "da_DK.UTF-8"},   {u"Finnish", "fi_FI.UTF-8"},   {u"Icelandic", "is_IS.UTF-8"},
    {u"German", "de_DE.UTF-8"},   {u"French", "fr_FR.UTF-8"},    {u"Spanish", "es_ES.UTF-8"},
    {u"Italian", "it_IT.UTF-8"},  {u"Dutch", "nl_NL.UTF-8"},     {u"Portuguese", "pt_PT.UTF-8"},
    {u"Polish", "pl_PL.UTF-8"},   {u"Czech", "cs_CZ.UTF-8"},     {u"Hungarian", "hu_HU.UTF-8"},
    {u"Estonian", "et_EE.UTF-8"}, {u"Greek", "el_GR.UTF-8"},     {u"Russian", "ru_RU.UTF-8"},
    {u"Turkish", "tr_TR.UTF-8"},  {u"Ukrainian", "uk_UA.UTF-8"}, {u"Lithuanian", "lt_LT.UTF-8"},
    {u"Latvian", "lv_LV.UTF-8"},
}};

bool isOneFolderName(std::u16string_view name) {
    return !name.empty() && name != u"." && name != u".." &&
           name.find_first_of(u"\\/") == std::u16string_view::npos;
}

// The language as the content folder's folders name it: the written name when data\<name>
// exists, else the first other name of the same language that has a folder, else the written
// name (whose folder is then simply missing, as before).
std::u16string languageWithFolder(const FileSystem& files, std::u16string written) {
    std::u16string folder = languageFolderFor(files, written);
    return folder.empty() ? written : folder;
}

// The first line of data\lang.txt, as readLanguage gives it.
std::u16string readLanguageFile(const FileSystem& files) {
    std::u16string language = u"English";
    TextFile file;
    try {
        if (!file.openForReading(files, u"data\\lang.txt")) {
            return language;
        }
        std::u16string line;
        if (file.readLine(line)) {
            language = std::move(line);
        }
    } catch (const CTextFileException&) {
        // An unreadable language file counts as a missing one.
        return u"English";
    }
    // The name becomes a folder in every path of the language's files: one that leads elsewhere
    // would have both programs read, write and delete outside their folders.
    if (!isOneFolderName(language)) {
        std::fprintf(stderr, "data\\lang.txt names no language folder (\"%s\"); using English\n",
                     toUtf8(language).c_str());
        return u"English";
    }
    return languageWithFolder(files, std::move(language));
}

} // namespace

std::u16string readLanguage(const FileSystem& files) {
    SettingValues settings;
    readSettingValues(files, kSettingsPath, settings);
    return languageFor(files, settings.chosenLanguage);
}

std::u16string languageFor(const FileSystem& files, std::u16string_view chosen) {
    std::u16string folder = languageFolderFor(files, chosen);
    return folder.empty() ? readLanguageFile(files) : folder;
}

std::u16string languageFolderFor(const FileSystem& files, std::u16string_view name) {
    if (!isOneFolderName(name)) {
        return {};
    }
    std::u16string folder = u"data\\";
    if (files.exists(folder + std::u16string(name))) {
        return std::u16string(name);
    }
    for (std::u16string_view other : namesOfLanguage(name)) {
        if (files.exists(folder + std::u16string(other))) {
            return std::u16string(other);
        }
    }
    return {};
}

std::vector<std::string> localeNamesFor(std::u16string_view language) {
    const std::u16string_view english = englishLanguageName(language);
    for (const auto& entry : kLocales) {
        if (equalsIgnoringCase(entry.language, english.empty() ? language : english)) {
            return {entry.locale, "C.UTF-8"};
        }
    }
    return {};
}

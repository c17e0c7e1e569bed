#include "Language.h"

#include "common/text/CaseFolding.h"
#include "common/text/Utf8.h"
#include "common/textfile/CTextFileException.h"
#include "common/textfile/TextFile.h"

#include <algorithm>
#include <array>
#include <clocale>
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

} // namespace

std::u16string readLanguage(const FileSystem& files) {
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
    }
    // The name becomes a folder in every path of the language's files: one that leads elsewhere
    // would have both programs read, write and delete outside their folders.
    const bool oneFolderName = !language.empty() && language != u"." && language != u".." &&
                               language.find_first_of(u"\\/") == std::u16string::npos;
    if (!oneFolderName) {
        std::fprintf(stderr, "data\\lang.txt names no language folder (\"%s\"); using English\n",
                     toUtf8(language).c_str());
        return u"English";
    }
    return language;
}

std::vector<std::string> localeNamesFor(std::u16string_view language) {
    for (const auto& entry : kLocales) {
        if (equalsIgnoringCase(entry.language, language)) {
            return {entry.locale, "C.UTF-8"};
        }
    }
    return {};
}

std::string selectCharacterRules(std::u16string_view language) {
    std::vector<std::string> candidates = localeNamesFor(language);
    // A name we do not know may still be one the platform knows ("sv_SE.UTF-8"); an empty name
    // would ask for the environment's locale, which is not what the content folder says.
    // Only a plain locale name is passed on: the C library takes a name with a slash for a
    // path and would load whatever file it names.
    const bool plainName = std::all_of(language.begin(), language.end(), [](char16_t c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
               c == u'_' || c == u'.' || c == u'-' || c == u'@';
    });
    if (candidates.empty() && !language.empty() && plainName) {
        candidates.push_back(toUtf8(language));
    }
    for (const std::string& name : candidates) {
        if (std::setlocale(LC_CTYPE, name.c_str()) != nullptr) {
            break;
        }
    }
    const char* current = std::setlocale(LC_CTYPE, nullptr);
    return current ? current : "C";
}

void resetCharacterRules() {
    std::setlocale(LC_CTYPE, "C");
}

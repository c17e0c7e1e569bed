// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/sdl/FontFinder.h"

#include "common/text/CaseFolding.h"
#include "common/text/Utf8.h"
#include "game/gfx/sdl/GraphicsHandles.h"

#include <fontconfig/fontconfig.h>

namespace {

// fontconfig is one library-wide state that FcFini tears down whoever started it, so starts are
// counted here.
int users = 0;

constexpr std::u16string_view kSansSerif = u"sans-serif";

// Free families drawn to the same metrics as the ones the game's content was laid out with, so
// texts keep their widths.
struct StandIn {
    std::u16string_view family;
    std::u16string_view freeFamily;
};
constexpr StandIn kStandIns[] = {
    {u"Comic Sans MS", u"Comic Neue"},
    {u"Arial", u"Liberation Sans"},
};

std::u16string_view standInFor(std::u16string_view family) {
    for (const StandIn& standIn : kStandIns) {
        if (equalsIgnoringCase(standIn.family, family)) {
            return standIn.freeFamily;
        }
    }
    return {};
}

std::u16string upcased(std::u16string_view text) {
    std::u16string result(text);
    for (char16_t& unit : result) {
        unit = upcase(unit);
    }
    return result;
}

} // namespace

FontFinder::FontFinder() {
    if (users++ == 0) {
        FcInit();
    }
}

FontFinder::~FontFinder() {
    if (--users == 0) {
        FcFini();
    }
}

std::optional<FontFile> FontFinder::find(std::u16string_view family) {
    const std::u16string key = upcased(family);
    if (const auto known = found_.find(key); known != found_.end()) {
        return known->second;
    }
    const std::u16string_view standIn = standInFor(family);
    std::optional<FontFile> file = match(family, family, standIn);
    if (!file && !standIn.empty()) {
        // Where the system lacks the alias that maps the family to its stand-in.
        file = match(standIn, standIn, standIn);
    }
    if (!file) {
        file = sansSerif();
    }
    found_.emplace(key, file);
    return file;
}

std::optional<FontFile> FontFinder::sansSerif() {
    const std::u16string key = upcased(kSansSerif);
    if (const auto known = found_.find(key); known != found_.end()) {
        return known->second;
    }
    // Whatever fontconfig offers for the generic family is right.
    std::optional<FontFile> file = match(kSansSerif, {}, {});
    found_.emplace(key, file);
    return file;
}

std::optional<FontFile> FontFinder::match(std::u16string_view family, std::u16string_view accepted1,
                                          std::u16string_view accepted2) const {
    const FcPatternPtr pattern(FcPatternCreate());
    if (!pattern) {
        return std::nullopt;
    }
    const std::string name = toUtf8(family);
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcPatternAddInteger(pattern.get(), FC_SLANT, FC_SLANT_ROMAN);
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, FC_WEIGHT_REGULAR);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    const FcPatternPtr found(FcFontMatch(nullptr, pattern.get(), &result));
    if (!found) {
        return std::nullopt;
    }

    const bool acceptAny = accepted1.empty() && accepted2.empty();
    std::optional<std::u16string> foundFamily;
    FcChar8* value = nullptr;
    for (int i = 0; FcPatternGetString(found.get(), FC_FAMILY, i, &value) == FcResultMatch; ++i) {
        const std::u16string candidate = fromUtf8(reinterpret_cast<const char*>(value));
        if (acceptAny || equalsIgnoringCase(candidate, accepted1) ||
            (!accepted2.empty() && equalsIgnoringCase(candidate, accepted2))) {
            foundFamily = candidate;
            break;
        }
    }
    FcChar8* path = nullptr;
    if (!foundFamily || FcPatternGetString(found.get(), FC_FILE, 0, &path) != FcResultMatch) {
        return std::nullopt;
    }
    int index = 0;
    FcPatternGetInteger(found.get(), FC_INDEX, 0, &index);
    return FontFile{reinterpret_cast<const char*>(path), index, *foundFamily};
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "WildcardPattern.h"

#include "common/text/CaseFolding.h"

namespace {

// Iterative matching with one backtrack point: linear in practice, never exponential.
bool matchPlain(std::u16string_view pattern, std::u16string_view name) {
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t starAt = std::u16string_view::npos;
    std::size_t resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == u'?' || upcase(pattern[p]) == upcase(name[n]))) {
            ++p;
            ++n;
        } else if (starAt != std::u16string_view::npos) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*') {
        ++p;
    }
    return p == pattern.size();
}

} // namespace

bool matchesWildcard(std::u16string_view pattern, std::u16string_view name) {
    if (matchPlain(pattern, name)) {
        return true;
    }
    const bool endsInDotStar = pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == u".*";
    if (endsInDotStar && name.find(u'.') == std::u16string_view::npos) {
        return matchPlain(pattern.substr(0, pattern.size() - 2), name);
    }
    return false;
}

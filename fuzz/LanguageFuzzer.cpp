// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as data\lang.txt: the language is the first line, and making its character rules
// and writing capitals by them never fails, whatever the name.
#include "MemoryFileSystem.h"
#include "common/content/CharacterRules.h"
#include "common/content/Language.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryFileSystem files(data, size);
    const std::u16string language = readLanguage(files);
    if (language.find_first_of(u"\r\n") != std::u16string::npos) {
        std::abort();
    }
    std::u16string capitals = language;
    CharacterRules(language).toUpperCase(capitals);
    if (capitals.size() != language.size()) {
        std::abort();
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the settings file: reading ends with a complete record, and writing it out and
// reading it back gives the same record.
#include "MemoryFileSystem.h"
#include "game/content/Options.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryFileSystem files(data, size);
    Options options(files);
    if (!options.readOptionsFile(u"options\\vimo.opt")) {
        std::abort();
    }
    options.writeOptionsFile();
    for (const auto& name : options.listName) {
        if (name.find_first_of(u"\r\n") != std::u16string::npos) {
            std::abort();
        }
    }
    if (std::isnan(options.keyTime)) {
        std::abort(); // only decimal numbers are read, never "nan"
    }
    return 0;
}

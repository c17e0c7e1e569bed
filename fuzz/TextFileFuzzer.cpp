// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes at all, read as a text file line by line into wide and into 8-bit strings: the
// reader must end, and every line must be whole text without its terminator.
#include "MemoryFileSystem.h"
#include "common/textfile/TextFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryFileSystem files(data, size);
    std::size_t total = 0;
    {
        TextFile file;
        file.openForReading(files, u"list");
        std::u16string line;
        while (file.readLine(line)) {
            if (line.find_first_of(u"\r\n") != std::u16string::npos) {
                std::abort();
            }
            total += line.size() + 1;
            if (total > size + 1) { // no more characters than bytes, plus the final empty line
                std::abort();
            }
        }
    }
    TextFile file;
    file.openForReading(files, u"list");
    std::string line;
    while (file.readLine(line)) {
    }
    return 0;
}

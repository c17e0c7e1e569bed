// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a list opened in the editor: reading ends with named exercises, and what the
// editor writes back reads again as the very same exercises, so saving never changes a list.
#include "MemoryFileSystem.h"
#include "editor/lists/ListFile.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryFileSystem files(data, size);
    const std::vector<Exercise> exercises = ListFile::read(files, u"data\\English\\vimo");
    for (const Exercise& exercise : exercises) {
        if (exercise.name.empty()) {
            std::abort();
        }
    }
    std::uint32_t error = 0;
    if (!ListFile::write(files, u"data\\English\\vimo", exercises, error)) {
        std::abort();
    }
    const std::string saved = files.written;
    MemoryFileSystem again(reinterpret_cast<const std::uint8_t*>(saved.data()), saved.size());
    const auto fields = [](const Exercise& e) {
        return std::tie(e.name, e.image, e.sound, e.speech, e.text, e.colour);
    };
    if (!std::ranges::equal(ListFile::read(again, u"data\\English\\vimo"), exercises, {}, fields,
                            fields)) {
        std::abort();
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a list opened in the editor: reading ends with named exercises, and what the
// editor writes back reads again as the very same exercises, so saving never changes a list.
#include "MemoryFileSystem.h"
#include "editor/lists/ListFile.h"

#include <cstdlib>

namespace {

bool sameExercises(const std::vector<Exercise>& a, const std::vector<Exercise>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].name != b[i].name || a[i].image != b[i].image || a[i].sound != b[i].sound ||
            a[i].speech != b[i].speech || a[i].text != b[i].text || a[i].colour != b[i].colour) {
            return false;
        }
    }
    return true;
}

} // namespace

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
    if (!sameExercises(ListFile::read(again, u"data\\English\\vimo"), exercises)) {
        std::abort();
    }
    return 0;
}

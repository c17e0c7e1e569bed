// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a content list: loading ends, gives only exercises with a name, and the
// operations the activities run on a list work on whatever was loaded.
#include "MemoryFileSystem.h"
#include "RecordingErrorBox.h"
#include "game/content/ContentList.h"
#include "game/content/Options.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryFileSystem files(data, size);
    RecordingErrorBox errorBox;
    const Options options(files);
    ContentList list(files, options.language);
    if (!list.loadList(u"vimo", errorBox)) {
        std::abort(); // the list is there, so it loads
    }
    for (const Exercise& exercise : list.exercises) {
        if (exercise.name.empty()) {
            std::abort();
        }
    }
    RandomGenerator random(static_cast<std::uint32_t>(size));
    list.shuffleExercises(random);
    list.upperCaseTexts(CharacterRules(options.language));
    return 0;
}

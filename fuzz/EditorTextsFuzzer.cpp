// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the editor's tool.txt and editor.txt: every text is there afterwards, none holds a
// line break.
#include "MemoryFileSystem.h"
#include "editor/texts/EditorTexts.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryFileSystem files(data, size);
    const EditorTexts texts = EditorTexts::read(files, u"English");
    for (int i = 0; i < EditorTexts::Count; ++i) {
        if (texts[static_cast<EditorTexts::Text>(i)].find_first_of(u"\r\n") !=
            std::u16string::npos) {
            std::abort();
        }
    }
    return 0;
}

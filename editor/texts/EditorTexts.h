// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's user-interface texts: the built-in English ones, replaced line by line by the
// language's data\<language>\Tool\tool.txt where that file has the line.
#pragma once

#include "common/files/FileSystem.h"

#include <array>
#include <string>
#include <string_view>

class EditorTexts {
public:
    // In the order of the lines of tool.txt.
    enum Text {
        ListTitle,
        ExerciseTitle,
        ImageTitle,
        SoundTitle,
        SpeechTitle,
        TextTitle,
        NoneEntry,
        NewItemPrompt,
        DeleteListQuestion,
        DeleteImageQuestion,
        DeleteSoundQuestion,
        DeleteSpeechQuestion,
        SaveFailed,
        Count
    };

    // The built-in English texts.
    EditorTexts();

    // The texts of `language`: line n of its tool.txt replaces text n; lines the file lacks keep
    // their English text, an empty line gives an empty text, lines after the last text are not
    // read. A missing or unreadable file leaves the English texts.
    static EditorTexts read(const FileSystem& files, std::u16string_view language);

    static std::u16string pathOf(std::u16string_view language);

    const std::u16string& operator[](Text text) const { return texts_[text]; }

private:
    std::array<std::u16string, Count> texts_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The three kinds of media file an exercise refers to (picture, sound, speech recording), with
// what differs between them: their folder, the exercise field they fill, the file-dialog filter
// and the question asked before one is deleted.
#pragma once

#include "common/content/Exercise.h"
#include "editor/texts/EditorTexts.h"

#include <string>
#include <string_view>

class CMediaKind {
public:
    enum Kind { Image, Sound, Speech };

    explicit CMediaKind(Kind kind) : kind_(kind) {}

    Kind kind() const { return kind_; }

    // gfx\images\, sfx\images\ or speech\<language>\, with the closing backslash.
    std::u16string folder(std::u16string_view language) const;

    // The field of an exercise that names a file of this kind.
    std::u16string Exercise::*field() const;
    const std::u16string& fieldOf(const Exercise& exercise) const { return exercise.*field(); }

    // The file dialog's filter, in the form "Description (patterns)", the description in the
    // words of `texts`.
    std::u16string fileFilter(const EditorTexts& texts) const;

    EditorTexts::Text deleteQuestion() const;

private:
    Kind kind_;
};

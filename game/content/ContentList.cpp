// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContentList.h"

#include "common/content/ExerciseReader.h"
#include "common/textfile/CTextFileException.h"
#include "common/textfile/TextFile.h"
#include "game/content/GameTexts.h"

#include <utility>

ContentList::ContentList(FileSystem& files, std::u16string language)
    : files_(files), language_(std::move(language)) {}

bool ContentList::loadList(std::u16string_view name, ErrorBox& errorBox) {
    const std::u16string path = u"data\\" + language_ + u"\\" + std::u16string(name);
    TextFile file;
    bool opened = false;
    try {
        opened = file.openForReading(files_, path);
    } catch (const CTextFileException&) {
        // Unreadable from its first bytes: as good as missing.
    }
    if (opened) {
        exercises.clear();
        try {
            readExercises(file, exercises);
        } catch (const CTextFileException&) {
            // The disk failed part-way: the child plays what could be read.
        }
        return true;
    }
    const GameTexts texts = GameTexts::read(files_, language_);
    errorBox.showError(fillIn(texts[GameTexts::ListMissing], {path}),
                       texts[GameTexts::ListMissingCaption]);
    return false;
}

void ContentList::shuffleExercises(RandomGenerator& generator) {
    for (std::size_t k = 1; k < exercises.size(); ++k) {
        const auto j = static_cast<std::size_t>(generator.next()) % (k + 1);
        std::swap(exercises[k], exercises[j]);
    }
}

void ContentList::upperCaseTexts(const CharacterRules& rules) {
    for (Exercise& exercise : exercises) {
        rules.toUpperCase(exercise.text);
    }
}

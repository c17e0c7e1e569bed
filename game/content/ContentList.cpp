// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContentList.h"

#include "common/content/ExerciseReader.h"
#include "common/textfile/CTextFileException.h"
#include "common/textfile/TextFile.h"
#include "game/content/GameTexts.h"

#include <cerrno>
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
    if (!opened) {
        const GameTexts texts = GameTexts::read(files_, language_);
        errorBox.showError(fillIn(texts[GameTexts::ListMissing], {path}),
                           texts[GameTexts::ListMissingCaption]);
        return false;
    }
    std::vector<Exercise> read;
    try {
        readExercises(file, read);
    } catch (const CTextFileException& failure) {
        // Failing part-way, the child plays what could be read; failing before the first
        // exercise, there is nothing to play, and an empty screen would tell the adult nothing.
        if (read.empty()) {
            const GameTexts texts = GameTexts::read(files_, language_);
            const GameTexts::Text cause =
                failure.errorCode() == EFBIG ? GameTexts::ListLineTooLong : GameTexts::DiskError;
            errorBox.showError(fillIn(texts[GameTexts::ListUnreadable], {path, texts[cause]}),
                               texts[GameTexts::ListUnreadableCaption]);
            return false;
        }
    }
    exercises = std::move(read);
    return true;
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

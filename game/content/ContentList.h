// SPDX-License-Identifier: GPL-3.0-or-later
// The exercises of one content list of the content folder's language: reading the list, putting
// it in a random order and its texts in capitals, as an activity plays it.
#pragma once

#include "common/content/CharacterRules.h"
#include "common/content/Exercise.h"
#include "common/files/FileSystem.h"
#include "game/content/RandomGenerator.h"
#include "game/platform/ErrorBox.h"

#include <string>
#include <string_view>
#include <vector>

class ContentList {
public:
    // Lists are read from data\<language>\.
    ContentList(FileSystem& files, std::u16string language);

    // Replaces the exercises by those of data\<language>\<listName>. When the list cannot be
    // read, shows the missing-list message with its path, in the language's words (GameTexts), and
    // returns false, the exercises unchanged.
    bool loadList(std::u16string_view name, ErrorBox& errorBox);
    // A new random order from the program-wide generator.
    void shuffleExercises(RandomGenerator& generator);
    // Every exercise's text in capitals, by the language's character rules.
    void upperCaseTexts(const CharacterRules& rules);

    // The exercises of the list loaded last, in file order unless shuffled.
    std::vector<Exercise> exercises;

private:
    FileSystem& files_;
    std::u16string language_;
};

// The content-list operations of the settings record: reading a list, shuffling it and putting
// its texts in capitals.
#include "common/textfile/CTextFileException.h"
#include "common/textfile/TextFile.h"
#include "common/content/ExerciseReader.h"
#include "game/content/Options.h"

#include <cwctype>
#include <utility>

bool Options::loadList(std::u16string_view name, ErrorBox& errorBox) {
    const std::u16string path = u"data\\" + language + u"\\" + std::u16string(name);
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
    errorBox.showError(u"A list is missing: " + path, u"Error - list is missing.");
    return false;
}

void Options::shuffleExercises(RandomGenerator& generator) {
    for (std::size_t k = 1; k < exercises.size(); ++k) {
        const auto j = static_cast<std::size_t>(generator.next()) % (k + 1);
        std::swap(exercises[k], exercises[j]);
    }
}

void Options::upperCaseTexts() {
    for (Exercise& exercise : exercises) {
        for (char16_t& unit : exercise.text) {
            if (unit < 0xD800 || unit > 0xDFFF) {
                unit = static_cast<char16_t>(std::towupper(static_cast<wint_t>(unit)));
            }
        }
    }
}

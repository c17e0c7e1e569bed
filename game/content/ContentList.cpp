// The content-list operations of the settings record: reading a list, shuffling it and putting
// its texts in capitals.
#include "game/content/Options.h"

#include "common/text/NumberText.h"
#include "common/textfile/CTextFileException.h"
#include "common/textfile/TextFile.h"

#include <cwctype>
#include <utility>

namespace {

// Reads the exercises of an open list, six lines each, up to the end of the file or the first
// empty name. A read error part-way leaves the complete exercises read before it in `exercises`.
void readExercises(TextFile& file, std::vector<Exercise>& exercises) {
    std::u16string line;
    // The empty line after a file's last line end is not a field: a colour line missing there
    // leaves the exercise without a colour of its own.
    auto field = [&](std::u16string& out) {
        if (file.readLine(line) && !(line.empty() && file.isAtEnd())) {
            out = std::move(line);
        }
    };
    while (!file.isAtEnd()) {
        Exercise exercise;
        if (!file.readLine(exercise.name) || exercise.name.empty()) {
            break;
        }
        field(exercise.image);
        field(exercise.sound);
        field(exercise.speech);
        field(exercise.text);
        std::string colour;
        if (file.readLine(colour) && !(colour.empty() && file.isAtEnd())) {
            exercise.colour = static_cast<std::uint32_t>(parseLong(colour));
        }
        exercises.push_back(std::move(exercise));
    }
}

} // namespace

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

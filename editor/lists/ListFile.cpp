#include "editor/lists/ListFile.h"

#include "common/text/NumberText.h"
#include "common/textfile/CTextFileException.h"
#include "common/textfile/TextFile.h"
#include "common/textfile/TextFileWriter.h"

#include <cstdint>
#include <utility>

namespace {

// Reads the lines of the game's reader: the empty line that follows a file's last line end is
// no field, so a list cut short keeps the preset values of the fields it lacks.
void readExercises(TextFile& file, std::vector<Exercise>& exercises) {
    std::u16string line;
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
        std::string colour; // 8-bit, as the game reads it
        if (file.readLine(colour) && !(colour.empty() && file.isAtEnd())) {
            exercise.colour = static_cast<std::uint32_t>(parseLong(colour));
        }
        exercises.push_back(std::move(exercise));
    }
}

} // namespace

std::vector<Exercise> ListFile::read(const FileSystem& files, std::u16string_view path) {
    std::vector<Exercise> exercises;
    TextFile file;
    try {
        if (file.openForReading(files, path)) {
            readExercises(file, exercises);
        }
    } catch (const CTextFileException&) {
        // What was read before the disk failed is kept.
    }
    return exercises;
}

bool ListFile::write(FileSystem& files, std::u16string_view path,
                     const std::vector<Exercise>& exercises) {
    TextFileWriter file;
    try {
        if (!file.openForWriting(files, path, Utf8Text)) {
            return false;
        }
        for (const Exercise& exercise : exercises) {
            for (const std::u16string* line : {&exercise.name, &exercise.image, &exercise.sound,
                                               &exercise.speech, &exercise.text}) {
                file.write(std::u16string_view(*line));
                file.writeEndOfLine();
            }
            file.write(static_cast<long>(static_cast<std::int32_t>(exercise.colour)));
            file.writeEndOfLine();
        }
        file.close();
    } catch (const CTextFileException&) {
        return false;
    }
    return true;
}

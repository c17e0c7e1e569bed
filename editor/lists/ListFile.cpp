// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/lists/ListFile.h"

#include "common/content/ExerciseReader.h"
#include "common/textfile/CTextFileException.h"
#include "common/textfile/TextFile.h"
#include "common/textfile/TextFileWriter.h"

#include <cstdint>

std::vector<Exercise> ListFile::read(const FileSystem& files, std::u16string_view path) {
    std::size_t linesAfterEnd = 0;
    return read(files, path, linesAfterEnd);
}

std::vector<Exercise> ListFile::read(const FileSystem& files, std::u16string_view path,
                                     std::size_t& linesAfterEnd) {
    std::vector<Exercise> exercises;
    linesAfterEnd = 0;
    TextFile file;
    try {
        if (file.openForReading(files, path)) {
            readExercises(file, exercises);
            // Reading stopped at an empty name; what follows it is counted, not shown.
            std::u16string line;
            for (std::size_t read = 1; !file.isAtEnd() && file.readLine(line); ++read) {
                if (!line.empty()) {
                    linesAfterEnd = read;
                }
            }
        }
    } catch (const CTextFileException&) {
        // What was read before the disk failed is kept.
    }
    return exercises;
}

bool ListFile::write(FileSystem& files, std::u16string_view path,
                     const std::vector<Exercise>& exercises, std::uint32_t& error) {
    TextFileWriter file;
    try {
        if (!file.openForWriting(files, path, Utf8Text, error)) {
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
    } catch (const CTextFileException& failure) {
        error = failure.errorCode();
        return false;
    }
    return true;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/content/ExerciseReader.h"

#include "common/text/NumberText.h"

#include <cstdint>
#include <string>
#include <utility>

void readExercises(TextFile& file, std::vector<Exercise>& exercises) {
    std::u16string line;
    // The empty line after a file's last line end is not a field: a list cut short keeps the
    // preset values of the fields it lacks, and a missing colour line leaves "no colour".
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
        std::string colour; // read as 8-bit text, a number in any encoding
        if (file.readLine(colour) && !(colour.empty() && file.isAtEnd())) {
            exercise.colour = static_cast<std::uint32_t>(parseLong(colour));
        }
        exercises.push_back(std::move(exercise));
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The one reading of a content list's exercises, shared by the game and the editor so that both
// see the same list in the same file.
#pragma once

#include "common/content/Exercise.h"
#include "common/textfile/TextFile.h"

#include <vector>

// Reads the exercises of an open list, six lines each, up to the end of the file or the first
// empty name, appending them to `exercises`. A read error part-way (CTextFileException) leaves
// the complete exercises read before it.
void readExercises(TextFile& file, std::vector<Exercise>& exercises);

// The one language both programs serve, named by the first line of data\lang.txt, and the
// character rules (upper-case forms) that go with it.
#pragma once

#include "common/files/FileSystem.h"

#include <string>
#include <string_view>
#include <vector>

// The first line of data\lang.txt taken whole; "English" when the file cannot be opened or the
// line is not one folder name (empty, ".", "..", or holding a separator), which is then said on
// standard error.
std::u16string readLanguage(const FileSystem& files);

// The platform locale names to try for a language name, best first; empty for a name this
// program does not know.
std::vector<std::string> localeNamesFor(std::u16string_view language);

// Selects the character-type rules of `language` for the C library. "other" keeps the "C" rules;
// a known language whose locale is not installed falls back to C.UTF-8; a name that cannot be
// turned into a locale leaves the rules in force as they are. Returns the locale now in force.
std::string selectCharacterRules(std::u16string_view language);

// Back to the "C" rules, in which only a to z have capitals.
void resetCharacterRules();

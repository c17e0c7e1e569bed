// SPDX-License-Identifier: GPL-3.0-or-later
// The one language both programs serve, chosen in the game's settings or else named by the first
// line of data\lang.txt, and the platform locales whose character rules (upper-case forms) go
// with it.
#pragma once

#include "common/files/FileSystem.h"

#include <string>
#include <string_view>
#include <vector>

// The language chosen in options\vimo.opt while a folder of it is present (see languageFor),
// else the first line of data\lang.txt taken whole; "English" when the file cannot be opened or the
// line is not one folder name (empty, ".", "..", or holding a separator), which is then said on
// standard error. A language written by another of its names ("Svenska", "sv") is given by the
// name whose folder data\<name> exists.
std::u16string readLanguage(const FileSystem& files);

// `chosen` when a folder of that language is present under data\ (by that name or another of
// the language's names, see languageFolderFor), else what data\lang.txt names, as readLanguage.
std::u16string languageFor(const FileSystem& files, std::u16string_view chosen);

// The folder data\<name> present for the language `name` names: `name` itself, else the first
// other name of the same language that has a folder. Empty when there is none, or when `name`
// is not one folder name.
std::u16string languageFolderFor(const FileSystem& files, std::u16string_view name);

// The platform locale names to try for a language name, best first; empty for a name this
// program does not know.
std::vector<std::string> localeNamesFor(std::u16string_view language);

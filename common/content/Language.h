// SPDX-License-Identifier: GPL-3.0-or-later
// The one language both programs serve, named by the first line of data\lang.txt, and the
// platform locales whose character rules (upper-case forms) go with it.
#pragma once

#include "common/files/FileSystem.h"

#include <string>
#include <string_view>
#include <vector>

// The first line of data\lang.txt taken whole; "English" when the file cannot be opened or the
// line is not one folder name (empty, ".", "..", or holding a separator), which is then said on
// standard error. A language written by another of its names ("Svenska", "sv") is given by the
// name whose folder data\<name> exists.
std::u16string readLanguage(const FileSystem& files);

// The platform locale names to try for a language name, best first; empty for a name this
// program does not know.
std::vector<std::string> localeNamesFor(std::u16string_view language);

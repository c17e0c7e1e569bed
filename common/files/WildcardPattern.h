// SPDX-License-Identifier: GPL-3.0-or-later
// File-name wildcards with the rules of a Windows disk: `*` matches any run of characters, `?`
// any one character, letter case is ignored, and a pattern ending in ".*" (such as "*.*") also
// matches a name without a dot, so a list file named `vimo` is found by "*.*".
#pragma once

#include <string_view>

bool matchesWildcard(std::u16string_view pattern, std::u16string_view name);

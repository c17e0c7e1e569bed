// SPDX-License-Identifier: GPL-3.0-or-later
// Case-insensitive comparison of file names, with one fixed upper-case table that does not depend
// on the C library's changing locale. The same table orders folder listings, so that files are
// handed out in the same order on every platform, the order a Windows disk lists them.
#pragma once

#include <string_view>

char16_t upcase(char16_t unit);

bool equalsIgnoringCase(std::u16string_view a, std::u16string_view b);

// < 0, 0 or > 0 as a sorts before, with or after b: unit by unit after upper-casing, then by the
// units as they are, so that names differing only in case still have a fixed order.
int compareFileNames(std::u16string_view a, std::u16string_view b);

// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers in text files: read the way the C library reads them on Windows, written the way it
// writes them, whatever the current locale, so files stay the same byte for byte everywhere.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Leading white space, an optional sign, decimal digits up to the first other character,
// accumulated modulo 2^32; no digits gives 0.
std::int32_t parseLong(std::u16string_view text);
std::int32_t parseLong(std::string_view text);

// A decimal number with a point (leading white space skipped, stopping at the first character
// that cannot continue it); 0 when there is none.
double parseDecimal(std::u16string_view text);

// `digits` significant digits in the shortest form: plain notation from 0.1 up to `digits`
// digits before the point, exponent notation otherwise; trailing zeros go, the point stays
// ("1." for one, "2.5e-002" for 0.025).
std::string formatSignificant(double value, int digits);

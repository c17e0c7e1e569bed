// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion between UTF-16 and the system's 8-bit ("ANSI") code page.
// The platforms we build on have no ANSI code page, so Windows-1252 stands in for it, converted
// the way Windows converts it: every one of the 256 bytes maps to a character, and a character
// the code page lacks becomes '?'.
#pragma once

#include <string>
#include <string_view>

std::u16string ansiToWide(std::string_view bytes);
std::string wideToAnsi(std::u16string_view text);

char16_t ansiByteToWide(unsigned char byte);

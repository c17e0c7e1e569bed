// SPDX-License-Identifier: GPL-3.0-or-later
// UTF-8 <-> UTF-16 conversion for the places where a library or the file system wants UTF-8.
// Texts stay UTF-16 everywhere else.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Unpaired surrogates become U+FFFD, so the result is always valid UTF-8.
std::string toUtf8(std::u16string_view text);

// Malformed sequences become U+FFFD.
std::u16string fromUtf8(std::string_view bytes);

// Empty when the bytes are not well-formed UTF-8.
std::optional<std::u16string> fromUtf8Strict(std::string_view bytes);

// SPDX-License-Identifier: GPL-3.0-or-later
// The encodings a text file can have, with the byte-order mark that announces each; the reader
// and the writer of text files agree on them here.
#pragma once

#include <string_view>

enum TextEncoding : int {
    AnsiText = 0,          // 8-bit text in the system code page, no mark
    Utf16BigEndian = 1,    // FE FF
    Utf16LittleEndian = 2, // FF FE
    Utf8Text = 3,          // EF BB BF
};

// The bytes that open a file of `encoding`; empty for 8-bit text, which has no mark.
constexpr std::string_view byteOrderMark(int encoding) {
    switch (encoding) {
    case Utf16BigEndian:
        return "\xFE\xFF";
    case Utf16LittleEndian:
        return "\xFF\xFE";
    case Utf8Text:
        return "\xEF\xBB\xBF";
    default:
        return {};
    }
}

// Both sides move bytes to and from the file in blocks of this size.
constexpr int kTextFileBlockSize = 1024;

// The encodings a text file can have, with the byte-order mark that announces each.
#pragma once

enum TextEncoding : int {
    AnsiText = 0,          // 8-bit text in the system code page, no mark
    Utf16BigEndian = 1,    // FE FF
    Utf16LittleEndian = 2, // FF FE
    Utf8Text = 3,          // EF BB BF
};

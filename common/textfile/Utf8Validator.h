// SPDX-License-Identifier: GPL-3.0-or-later
// Tells, block by block, whether a stream of bytes is well-formed UTF-8 and whether it holds any
// byte above 127, so that a file without a byte-order mark can be recognised as UTF-8 without
// holding it whole.
#pragma once

#include <span>

class Utf8Validator {
public:
    // Takes the next bytes; false once the bytes so far cannot be UTF-8.
    bool feed(std::span<const unsigned char> bytes);

    // True when everything fed is complete UTF-8 that holds at least one byte above 127 (plain
    // ASCII reads the same in any encoding and stays 8-bit text).
    bool isUtf8Text() const { return valid_ && pending_ == 0 && sawHighByte_; }
    // The same for bytes that may go on: a sequence cut at the end still counts.
    bool isUtf8TextSoFar() const { return valid_ && sawHighByte_; }

private:
    bool valid_ = true;
    bool sawHighByte_ = false;
    int pending_ = 0; // continuation bytes still owed by the current sequence
    // The range the next continuation byte must lie in; narrower than 80..BF right after some
    // leads, which rules out overlong forms, surrogates and code points past U+10FFFF.
    unsigned char lowest_ = 0x80;
    unsigned char highest_ = 0xBF;
};

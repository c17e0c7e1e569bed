// SPDX-License-Identifier: GPL-3.0-or-later
#include "Utf8Validator.h"

bool Utf8Validator::feed(std::span<const unsigned char> bytes) {
    for (const unsigned char byte : bytes) {
        if (!valid_) {
            return false;
        }
        if (pending_ > 0) {
            valid_ = byte >= lowest_ && byte <= highest_;
            lowest_ = 0x80;
            highest_ = 0xBF;
            --pending_;
            continue;
        }
        if (byte < 0x80) {
            continue;
        }
        sawHighByte_ = true;
        if (byte >= 0xC2 && byte <= 0xDF) {
            pending_ = 1;
        } else if (byte >= 0xE0 && byte <= 0xEF) {
            pending_ = 2;
            lowest_ = byte == 0xE0 ? 0xA0 : 0x80;
            highest_ = byte == 0xED ? 0x9F : 0xBF;
        } else if (byte >= 0xF0 && byte <= 0xF4) {
            pending_ = 3;
            lowest_ = byte == 0xF0 ? 0x90 : 0x80;
            highest_ = byte == 0xF4 ? 0x8F : 0xBF;
        } else {
            valid_ = false; // a stray continuation byte, or a lead no UTF-8 uses
        }
    }
    return valid_;
}

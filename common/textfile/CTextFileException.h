// SPDX-License-Identifier: GPL-3.0-or-later
// Raised when reading or writing a text file fails part-way (a disk error, a full disk). It
// carries the system's error code, so the caller can tell why.
#pragma once

#include <cstdint>
#include <stdexcept>

class CTextFileException : public std::runtime_error {
public:
    explicit CTextFileException(std::uint32_t errorCode);
    std::uint32_t errorCode() const { return errorCode_; }

private:
    std::uint32_t errorCode_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "CTextFileException.h"

#include <cstring>
#include <string>

CTextFileException::CTextFileException(std::uint32_t errorCode)
    : std::runtime_error("text file error " + std::to_string(errorCode) + ": " +
                         std::strerror(static_cast<int>(errorCode))),
      errorCode_(errorCode) {}

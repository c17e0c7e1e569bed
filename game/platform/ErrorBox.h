// SPDX-License-Identifier: GPL-3.0-or-later
// A message the adult must acknowledge: a missing list, settings that could not be saved.
#pragma once

#include <string_view>

class ErrorBox {
public:
    virtual ~ErrorBox() = default;
    // An error message with an OK button; returns when it has been closed.
    virtual void showError(std::u16string_view text, std::u16string_view caption) = 0;
};

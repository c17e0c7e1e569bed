// SPDX-License-Identifier: GPL-3.0-or-later
// The messages that tell why a file could not be removed, saved or copied, naming the file by its
// path in the content folder and the cause by the system's error, in the words of the editor's
// texts.
#pragma once

#include "editor/texts/EditorTexts.h"

#include <cstdint>
#include <string>
#include <string_view>

class CFileErrorText {
public:
    // "<path> was not found.", "Access to <path> was denied." and so on, by the system's error.
    static std::u16string removeFailed(const EditorTexts& texts, std::uint32_t error,
                                       std::u16string_view path);

    // Why a file could not be written, as a sentence to follow the message that names it: "The
    // disk is full.", "The file or folder is read-only.", "You may not write there." and so on.
    static std::u16string writeFailureCause(const EditorTexts& texts, std::uint32_t error);

    // "The file could not be copied to <path>." followed by the cause.
    static std::u16string copyFailed(const EditorTexts& texts, std::uint32_t error,
                                     std::u16string_view path);
};

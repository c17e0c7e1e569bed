// SPDX-License-Identifier: GPL-3.0-or-later
// What the list session asks the user and tells them about the list being edited: before it is
// written over or let go, and when it could not be written or is gone. The editor answers through
// its message boxes; tests answer as told and write down what was asked.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

class CListConversation {
public:
    virtual ~CListConversation() = default;

    // Yes writes over a list changed on disk since it was opened; No loads it again.
    virtual bool mayWriteOverChangedList(std::u16string_view name) = 0;
    // Changes that could not be written are let go (another list is opened, say).
    virtual bool mayDiscardUnsaved(std::u16string_view name) = 0;
    // The editor ends with changes that could not be written.
    virtual bool mayCloseUnsaved(std::u16string_view name) = 0;
    // A change would drop the `count` lines the list's file holds after its end.
    virtual bool mayDropLinesAfterEnd(std::u16string_view name, std::size_t count) = 0;
    // The list just opened holds `count` lines after the empty line that ends it.
    virtual void linesAfterEnd(std::u16string_view name, std::size_t count) = 0;
    // The list at `path` (relative to the content folder) could not be written, for the
    // system's `error`.
    virtual void saveFailed(std::u16string_view path, std::uint32_t error) = 0;
    // The list at `path` is no longer on the disk.
    virtual void listGone(std::u16string_view path) = 0;
};

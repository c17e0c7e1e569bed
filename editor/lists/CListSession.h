// SPDX-License-Identifier: GPL-3.0-or-later
// The conversation about writing the list being edited: what each write came to (written, kept
// unsaved, loaded again at the user's word, gone), and the questions before unsaved changes or
// the lines after the list's end are let go. It asks through a CListConversation and holds no
// widgets: the window shows what each step returns.
#pragma once

#include "editor/lists/CEditedList.h"
#include "editor/lists/CListConversation.h"
#include "editor/lists/CListFolder.h"

#include <functional>
#include <string_view>

class CListSession {
public:
    enum class Outcome {
        // Nothing is held that the file lacks: written, nothing to write, let go at the user's
        // word, or the list asked for opened.
        Done,
        // Not written: the changes are held unsaved (the user was told why), or the user keeps
        // them.
        Kept,
        // The list was changed on disk and the user chose that version: it was read again.
        Reloaded,
        // ... and it is no longer there: no list is open.
        Gone,
        // The user keeps the lines after the list's end: nothing was changed or written.
        Refused,
    };

    // All three must outlive this. A list changed on disk is written over only at `user`'s word.
    CListSession(CListFolder& lists, CEditedList& edited, CListConversation& user);

    // What the write that gave `written` came to; a failure is told.
    Outcome saved(bool written);
    // Makes a change and writes it (`change` gives the write's result). While the file holds
    // lines after the list's end, the user is asked first; Refused, with `change` not made, at No.
    Outcome write(const std::function<bool()>& change);
    // Before the open list is let go (another opened, a new one made, this one renamed): what
    // it holds unsaved is written, or let go at the user's word; Kept when the user keeps it.
    Outcome letGoOfUnsaved();
    // Opens the list of this name once the open one is let go: Kept when the user keeps its
    // unsaved changes, Gone (told) when the folder no longer holds it.
    Outcome open(std::u16string_view name);
    // Before the editor ends, when the last write gave `written`: the list is let go, unsaved
    // changes only at the user's word; Kept when the user goes on working.
    Outcome letGoBeforeEnding(bool written);
    // Tells about lines the list just opened holds after its end.
    void tellLinesAfterEnd();

private:
    Outcome reload();
    bool mayRewrite();

    CListFolder& lists_;
    CEditedList& edited_;
    CListConversation& user_;
};

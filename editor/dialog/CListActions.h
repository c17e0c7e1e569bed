// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window does to whole lists: makes a new one, deletes the open one, renames it.
// Each asks what it must first (whether the name may be a list's, whether to replace a list or
// one the game plays) and says why the disk refused, if it did.
#pragma once

#include "editor/dialog/CEditorMessages.h"
#include "editor/lists/CEditedList.h"
#include "editor/lists/CListFolder.h"
#include "editor/lists/CListSession.h"

#include <functional>
#include <string_view>

class CListActions {
public:
    // Everything handed in must outlive this; `showAll` shows the lists and the open list anew.
    CListActions(CListFolder& lists, CEditedList& edited, CListSession& session,
                 CEditorMessages& messages, std::function<void()> showAll);

    // Asks for a name and makes an empty list of it, which is opened.
    void add();
    // Deletes the open list's file at the user's word.
    void remove();
    // Asks for a new name and gives it to the open list, and to the game's settings where they
    // play it.
    void rename();

private:
    // Tells why a name cannot be a list's, when it cannot.
    bool refusesName(std::u16string_view name);

    CListFolder& lists_;
    CEditedList& edited_;
    CListSession& session_;
    CEditorMessages& messages_;
    std::function<void()> showAll_;
};

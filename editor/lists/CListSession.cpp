// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/lists/CListSession.h"

#include <cerrno>

CListSession::CListSession(CListFolder& lists, CEditedList& edited, CListConversation& user)
    : lists_(lists), edited_(edited), user_(user) {
    lists_.askBeforeWritingOver(
        [this](std::u16string_view name) { return user_.mayWriteOverChangedList(name); });
}

CListSession::Outcome CListSession::saved(bool written) {
    if (written) {
        return Outcome::Done;
    }
    // Not written over at the user's word: the version on disk is the one to edit.
    if (lists_.lastWriteError() == ECANCELED) {
        return reload();
    }
    // The file on disk is whole, and the exercises stay here until they can be written.
    user_.saveFailed(lists_.pathOf(*edited_.name()), lists_.lastWriteError());
    return Outcome::Kept;
}

CListSession::Outcome CListSession::write(const std::function<bool()>& change) {
    return mayRewrite() ? saved(change()) : Outcome::Refused;
}

CListSession::Outcome CListSession::reload() {
    const std::u16string name = *edited_.name();
    edited_.discardUnsaved();
    if (edited_.open(name) == CEditedList::Opening::NotThere) {
        user_.listGone(lists_.pathOf(name));
        return Outcome::Gone;
    }
    return Outcome::Reloaded;
}

CListSession::Outcome CListSession::letGoOfUnsaved() {
    const Outcome outcome = saved(edited_.saveUnsaved());
    if (outcome != Outcome::Kept) {
        return outcome;
    }
    if (!user_.mayDiscardUnsaved(*edited_.name())) {
        return Outcome::Kept;
    }
    edited_.discardUnsaved();
    return Outcome::Done;
}

CListSession::Outcome CListSession::open(std::u16string_view name) {
    if (letGoOfUnsaved() == Outcome::Kept) {
        return Outcome::Kept;
    }
    if (edited_.open(name) == CEditedList::Opening::NotThere) {
        user_.listGone(lists_.pathOf(name));
        return Outcome::Gone;
    }
    return Outcome::Done;
}

CListSession::Outcome CListSession::letGoBeforeEnding(bool written) {
    if (!written && !user_.mayCloseUnsaved(*edited_.name())) {
        return Outcome::Kept;
    }
    // Nothing held is written any more, whatever the controls still signal.
    edited_.discardUnsaved();
    edited_.close();
    return Outcome::Done;
}

bool CListSession::mayRewrite() {
    const std::size_t dropped = edited_.linesAfterEnd();
    if (dropped == 0) {
        return true;
    }
    if (!user_.mayDropLinesAfterEnd(*edited_.name(), dropped)) {
        return false;
    }
    edited_.dropLinesAfterEnd();
    return true;
}

void CListSession::tellLinesAfterEnd() {
    if (edited_.linesAfterEnd() > 0) {
        user_.linesAfterEnd(*edited_.name(), edited_.linesAfterEnd());
    }
}

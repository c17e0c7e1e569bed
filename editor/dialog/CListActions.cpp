// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CListActions.h"

#include "editor/dialog/QtText.h"
#include "editor/lists/CItemName.h"
#include "editor/lists/CListUsers.h"

#include <utility>

CListActions::CListActions(CListFolder& lists, CEditedList& edited, CListSession& session,
                           CEditorMessages& messages, std::function<void()> showAll)
    : lists_(lists), edited_(edited), session_(session), messages_(messages),
      showAll_(std::move(showAll)) {}

bool CListActions::refusesName(std::u16string_view name) {
    // A list's name becomes a file in data\<language>\ and nowhere else.
    if (const CItemName::Fault fault = CItemName::faultOf(name); fault != CItemName::Fault::None) {
        messages_.refuseListName(name, fault);
        return true;
    }
    if (lists_.isFolderName(name)) {
        messages_.refuseFolderName(name);
        return true;
    }
    return false;
}

void CListActions::add() {
    const std::optional<QString> typed = messages_.askName();
    if (!typed || typed->isEmpty()) {
        return;
    }
    const std::u16string name = fromQString(*typed);
    if (refusesName(name)) {
        return;
    }
    // Only a list of exactly this name is replaced; one in another letter case is chosen.
    const std::optional<std::u16string> listed = lists_.find(name);
    if (listed == name && !messages_.mayReplaceList(name)) {
        return;
    }
    // Whatever became of the open list, the new one is shown next.
    if (session_.letGoOfUnsaved() == CListSession::Outcome::Kept) {
        return;
    }
    const bool created = edited_.create(name);
    showAll_();
    if (!created) {
        messages_.saveFailed(lists_.pathOf(name), lists_.lastWriteError());
    } else if (listed && *listed != name) {
        messages_.listChosenInstead(name, *listed);
        session_.tellLinesAfterEnd();
    }
}

void CListActions::remove() {
    if (!edited_.name()) {
        return;
    }
    const std::u16string name = *edited_.name();
    if (!messages_.mayDeleteList(name, CListUsers::activitiesPlaying(lists_, name))) {
        return;
    }
    std::uint32_t error = 0;
    if (!edited_.removeFile(error)) {
        messages_.removeFailed(error, lists_.pathOf(name));
    }
    // A list removed by other means leaves the column with the others.
    if (!edited_.isOpen()) {
        showAll_();
    }
}

void CListActions::rename() {
    if (!edited_.name()) {
        return;
    }
    const CListSession::Outcome unsaved = session_.letGoOfUnsaved();
    if (unsaved == CListSession::Outcome::Reloaded || unsaved == CListSession::Outcome::Gone) {
        showAll_(); // the list as the disk holds it, or none
    }
    if (unsaved == CListSession::Outcome::Kept || !edited_.name()) {
        return;
    }
    const std::u16string old = *edited_.name();
    const std::optional<QString> typed = messages_.askNewName(old);
    if (!typed || typed->isEmpty() || fromQString(*typed) == old) {
        return;
    }
    const std::u16string name = fromQString(*typed);
    if (refusesName(name)) {
        return;
    }
    const std::vector<GameScreen> playedBy = CListUsers::activitiesPlaying(lists_, old);
    std::uint32_t error = 0;
    const CEditedList::Renaming renaming = edited_.renameList(name, error);
    switch (renaming) {
    case CEditedList::Renaming::Renamed:
        showAll_();
        // The activities go on playing the list under its new name.
        if (!playedBy.empty() && !CListUsers::followRename(lists_.files(), old, name, error)) {
            messages_.settingsNotFollowed(name, playedBy, error);
        }
        return;
    case CEditedList::Renaming::Taken:
    case CEditedList::Renaming::OnlyLetterCase:
        messages_.renameRefused(name, renaming == CEditedList::Renaming::Taken);
        return;
    case CEditedList::Renaming::Failed:
        messages_.renameFailed(error, lists_.pathOf(old));
        showAll_();
        return;
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/lists/CListUsers.h"

#include "common/text/CaseFolding.h"
#include "common/textfile/CTextFileException.h"
#include "common/textfile/TextFile.h"

namespace {

// The settings file holds 15 settings, then five lines for each screen from the menu (0) to the
// options screen (6): four numbers and the name of its list.
constexpr int kLinesBeforeScreens = 15;
constexpr int kLinesPerScreen = 5;
constexpr int kScreens = 7;

} // namespace

std::vector<std::u16string> CListUsers::listsNaming(const CListFolder& lists,
                                                    std::u16string Exercise::*field,
                                                    std::u16string_view fileName) {
    std::vector<std::u16string> naming;
    for (const std::u16string& list : lists.enumerateLists()) {
        for (const Exercise& exercise : lists.peek(list)) {
            if (equalsIgnoringCase(exercise.*field, fileName)) {
                naming.push_back(list);
                break;
            }
        }
    }
    return naming;
}

std::vector<int> CListUsers::activitiesPlaying(const CListFolder& lists, std::u16string_view name) {
    std::vector<int> activities;
    TextFile settings;
    try {
        if (!settings.openForReading(lists.files(), u"options\\vimo.opt")) {
            return activities;
        }
        std::u16string line;
        for (int number = 1; settings.readLine(line); ++number) {
            const int screenLine = number - kLinesBeforeScreens;
            const int screen = (screenLine - 1) / kLinesPerScreen;
            if (screenLine > 0 && screenLine % kLinesPerScreen == 0 && screen >= 1 &&
                screen < kScreens && equalsIgnoringCase(line, name)) {
                activities.push_back(screen);
            }
            if (screen >= kScreens) {
                break;
            }
        }
    } catch (const CTextFileException&) {
        // Settings that cannot be read name no list.
    }
    return activities;
}

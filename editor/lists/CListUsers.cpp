// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/lists/CListUsers.h"

#include "common/content/SettingValues.h"
#include "common/text/CaseFolding.h"

#include <cerrno>

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

std::vector<GameScreen> CListUsers::activitiesPlaying(const CListFolder& lists,
                                                      std::u16string_view name) {
    // A slot whose list line the file lacks, or that a read error cut off, plays no list.
    SettingValues settings;
    settings.listName.fill(std::u16string());
    readSettingValues(lists.files(), kSettingsPath, settings);
    std::vector<GameScreen> activities;
    for (const GameScreenRow& row : kGameScreens) {
        if (row.menuPlace > 0 && row.settingsSlot >= 0 &&
            equalsIgnoringCase(settings.listName[static_cast<std::size_t>(row.settingsSlot)],
                               name)) {
            activities.push_back(row.screen);
        }
    }
    return activities;
}

bool CListUsers::followRename(FileSystem& files, std::u16string_view oldName,
                              std::u16string_view newName, std::uint32_t& error) {
    SettingValues settings;
    const SettingsRead read = readSettingValues(files, kSettingsPath, settings);
    if (read == SettingsRead::NotOpened) {
        return true;
    }
    // Settings cut off by a read error would be written back with defaults in their place.
    if (read != SettingsRead::Complete) {
        error = EIO;
        return false;
    }
    bool named = false;
    for (std::u16string& list : settings.listName) {
        if (equalsIgnoringCase(list, oldName)) {
            list = newName;
            named = true;
        }
    }
    return !named || writeSettingValues(files, kSettingsPath, settings, error);
}

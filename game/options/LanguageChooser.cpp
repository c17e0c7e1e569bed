// SPDX-License-Identifier: GPL-3.0-or-later
#include "LanguageChooser.h"

#include "common/content/LanguageNames.h"

#include <algorithm>

void LanguageChooser::fill(const FileSystem& files) {
    std::vector<std::u16string> entries = files.list(u"data\\*", FolderEntries::Keep);
    const std::vector<std::u16string> plainFiles = files.list(u"data\\*", FolderEntries::Skip);
    std::erase_if(entries, [&plainFiles](const std::u16string& name) {
        const bool control =
            std::any_of(name.begin(), name.end(), [](char16_t c) { return c < 32; });
        return control || std::find(plainFiles.begin(), plainFiles.end(), name) != plainFiles.end();
    });
    folders_ = std::move(entries);
}

std::u16string LanguageChooser::next(const std::u16string& current) const {
    if (folders_.empty()) {
        return current;
    }
    const auto at = std::find(folders_.begin(), folders_.end(), current);
    if (at == folders_.end() || at + 1 == folders_.end()) {
        return folders_.front();
    }
    return *(at + 1);
}

std::u16string LanguageChooser::shownName(const std::u16string& folder) {
    return std::u16string(ownLanguageName(folder));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/lists/CListFolder.h"

#include "common/text/CaseFolding.h"
#include "editor/lists/CItemName.h"
#include "editor/lists/ListFile.h"

#include <cerrno>
#include <utility>

CListFolder::CListFolder(FileSystem& files, std::u16string language)
    : files_(files), language_(std::move(language)) {}

std::u16string CListFolder::pathOf(std::u16string_view name) const {
    return u"data\\" + language_ + u"\\" + std::u16string(name);
}

std::vector<std::u16string> CListFolder::enumerateLists() const {
    std::vector<std::u16string> names = files_.list(pathOf(u"*.*"), FolderEntries::Skip);
    std::erase_if(names,
                  [](const std::u16string& name) { return !CItemName::staysInFolder(name); });
    return names;
}

std::optional<std::u16string> CListFolder::find(std::u16string_view name) const {
    // A disk that tells letter cases apart may hold "farm" and "Farm" both.
    std::optional<std::u16string> found;
    for (std::u16string& listed : enumerateLists()) {
        if (listed == name) {
            return std::move(listed);
        }
        if (!found && equalsIgnoringCase(listed, name)) {
            found = std::move(listed);
        }
    }
    return found;
}

bool CListFolder::isFolderName(std::u16string_view name) const {
    if (equalsIgnoringCase(name, u"Options") || equalsIgnoringCase(name, u"Tool")) {
        return true;
    }
    return !find(name) && !files_.list(pathOf(name), FolderEntries::Keep).empty();
}

std::vector<Exercise> CListFolder::load(std::u16string_view name) {
    std::size_t linesAfterEnd = 0;
    return load(name, linesAfterEnd);
}

std::vector<Exercise> CListFolder::load(std::u16string_view name, std::size_t& linesAfterEnd) {
    // Taken before reading: a change made while the list is read counts as a change.
    stamp_.take(pathOf(name));
    return ListFile::read(files_, pathOf(name), linesAfterEnd);
}

std::vector<Exercise> CListFolder::peek(std::u16string_view name) const {
    std::size_t linesAfterEnd = 0;
    return ListFile::read(files_, pathOf(name), linesAfterEnd);
}

bool CListFolder::save(std::u16string_view name, const std::vector<Exercise>& exercises) {
    std::uint32_t error = 0;
    return save(name, exercises, error);
}

bool CListFolder::save(std::u16string_view name, const std::vector<Exercise>& exercises,
                       std::uint32_t& error) {
    const std::u16string path = pathOf(name);
    if (stamp_.changedOnDisk(path) && mayWriteOver_ && !mayWriteOver_(name)) {
        error = ECANCELED;
        lastWriteError_ = error;
        return false;
    }
    if (!ListFile::write(files_, path, exercises, error)) {
        lastWriteError_ = error;
        return false;
    }
    stamp_.take(path);
    return true;
}

bool CListFolder::remove(std::u16string_view name, std::uint32_t& error) {
    return files_.remove(pathOf(name), error);
}

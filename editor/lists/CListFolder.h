// SPDX-License-Identifier: GPL-3.0-or-later
// The language's list folder, data\<language>\: which lists it holds, and reading, writing,
// creating and removing one list by its name.
#pragma once

#include "common/content/Exercise.h"
#include "common/files/FileSystem.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CListFolder {
public:
    CListFolder(FileSystem& files, std::u16string language);

    // The content folder the lists are in.
    const FileSystem& files() const { return files_; }

    // data\<language>\<name>
    std::u16string pathOf(std::u16string_view name) const;

    // The names of the files directly in the folder (folders such as Tool are not lists), in
    // the order the disk lists them. Names that would lead out of the folder are left out.
    std::vector<std::u16string> enumerateLists() const;

    // The name, as the folder lists it, of the list of this name in any letter case; nothing
    // when there is none.
    std::optional<std::u16string> find(std::u16string_view name) const;
    // True when a list of this name exists, in any letter case.
    bool exists(std::u16string_view name) const { return find(name).has_value(); }

    std::vector<Exercise> load(std::u16string_view name) const;
    // False when the list cannot be written, with the system's `error` where one is asked for;
    // its file then stays as it was.
    bool save(std::u16string_view name, const std::vector<Exercise>& exercises);
    bool save(std::u16string_view name, const std::vector<Exercise>& exercises,
              std::uint32_t& error);
    // False, with the system's `error`, when the file cannot be removed.
    bool remove(std::u16string_view name, std::uint32_t& error);

private:
    FileSystem& files_;
    std::u16string language_;
};

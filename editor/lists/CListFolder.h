// SPDX-License-Identifier: GPL-3.0-or-later
// The language's list folder, data\<language>\: which lists it holds, and reading, writing,
// creating and removing one list by its name. A list changed on disk since the editor read or
// wrote it is not written over without asking.
#pragma once

#include "common/content/Exercise.h"
#include "common/files/FileSystem.h"
#include "editor/lists/CListStamp.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CListFolder {
public:
    CListFolder(FileSystem& files, std::u16string language);

    // The content folder the lists are in.
    const FileSystem& files() const { return files_; }
    FileSystem& files() { return files_; }

    // data\<language>\<name>
    std::u16string pathOf(std::u16string_view name) const;

    // The names of the files directly in the folder (folders such as Tool are not lists), in
    // the order the disk lists them. Names that would lead out of the folder are left out.
    std::vector<std::u16string> enumerateLists() const;

    // The name, as the folder lists it, of the list of this name: exactly this one when it is
    // there, else one in another letter case; nothing when there is none.
    std::optional<std::u16string> find(std::u16string_view name) const;
    // True when a list of this name exists, in any letter case.
    bool exists(std::u16string_view name) const { return find(name).has_value(); }
    // True when a list of this name would stand in for a folder: one that is there, in any
    // letter case, or one the game keeps beside the lists (Options, Tool).
    bool isFolderName(std::u16string_view name) const;

    std::vector<Exercise> load(std::u16string_view name);
    // The same, with the number of lines the file holds after the empty name line that ends it.
    std::vector<Exercise> load(std::u16string_view name, std::size_t& linesAfterEnd);
    // Reads a list only to look into it: the list being edited keeps its stamp.
    std::vector<Exercise> peek(std::u16string_view name) const;
    // False when the list cannot be written, with the system's `error` where one is asked for;
    // its file then stays as it was. When the list read or written last was changed on disk
    // since, `mayWriteOver` is asked first; refused, nothing is written and `error` is
    // ECANCELED.
    bool save(std::u16string_view name, const std::vector<Exercise>& exercises);
    bool save(std::u16string_view name, const std::vector<Exercise>& exercises,
              std::uint32_t& error);
    // False, with the system's `error`, when the file cannot be removed.
    bool remove(std::u16string_view name, std::uint32_t& error);

    // Why the last write failed: the system's error, or ECANCELED when it was refused.
    std::uint32_t lastWriteError() const { return lastWriteError_; }

    // Asked with the list's name before a list changed on disk is written over; true to write.
    // Without it such a list is written over.
    void askBeforeWritingOver(std::function<bool(std::u16string_view name)> mayWriteOver) {
        mayWriteOver_ = std::move(mayWriteOver);
    }

private:
    FileSystem& files_;
    CListStamp stamp_{files_};
    std::function<bool(std::u16string_view)> mayWriteOver_;
    std::uint32_t lastWriteError_ = 0;
    std::u16string language_;
};

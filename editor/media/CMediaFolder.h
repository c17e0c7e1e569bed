// SPDX-License-Identifier: GPL-3.0-or-later
// One media folder of the content folder (pictures, sounds or the language's speech): the
// files it offers, copying a file in from elsewhere and removing one.
#pragma once

#include "common/files/FileSystem.h"
#include "editor/media/CMediaKind.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class CMediaFolder {
public:
    enum class CopyResult { Copied, BadName, AlreadyThere, Failed };

    CMediaFolder(FileSystem& files, CMediaKind kind, std::u16string language);

    const CMediaKind& kind() const { return kind_; }
    // The folder, relative to the content folder, with its closing backslash.
    const std::u16string& folder() const { return folder_; }
    std::u16string pathOf(std::u16string_view name) const { return folder_ + std::u16string(name); }

    // The names of the files in the folder, without sub-folders, in the order the disk lists
    // them. Names that would lead out of the folder or break a list line are left out.
    std::vector<std::u16string> fileNames() const;

    // Copies `source` into the folder under its own name, never over a file already there.
    // `name` receives the name the copy has (or would have had), and `error` the system's reason
    // when the result is Failed.
    CopyResult copyIn(const std::filesystem::path& source, std::u16string& name);
    CopyResult copyIn(const std::filesystem::path& source, std::u16string& name,
                      std::uint32_t& error);
    // Copies `source` into the folder as `name`, never over a file already there.
    CopyResult copyInAs(const std::filesystem::path& source, std::u16string_view name,
                        std::uint32_t& error);
    // A name no file of the folder has, in any letter case, for a copy of a file called `name`
    // where that is taken: "duck (2).png", else "duck (3).png" and so on.
    std::u16string freeName(std::u16string_view name) const;

    // False, with the system's `error`, when the file cannot be removed.
    bool remove(std::u16string_view name, std::uint32_t& error);

    // The bytes of the file `name`; empty when it cannot be read or is too large to be a
    // picture worth showing.
    std::string contentsOf(std::u16string_view name) const;

private:
    FileSystem& files_;
    CMediaKind kind_;
    std::u16string folder_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The content folder on the local disk. Backslash paths are turned into platform paths here, at
// the boundary: separators are converted, doubled separators collapse, and a component that does
// not exist under its exact name is matched ignoring letter case. A path with a ".." component,
// a leading separator or a drive letter is refused as a missing file: nothing outside the
// content folder is read, written, listed or removed.
#pragma once

#include "common/files/FileSystem.h"

class DiskFileSystem : public FileSystem {
public:
    // Relative paths are taken from `root`, the content folder.
    explicit DiskFileSystem(std::filesystem::path root);

    std::unique_ptr<InputStream> openForReading(std::u16string_view path) const override;
    std::unique_ptr<OutputStream> openForReplacing(std::u16string_view path,
                                                   std::uint32_t& error) override;
    bool append(std::u16string_view path, std::string_view bytes, std::uint32_t& error) override;
    bool truncate(std::u16string_view path, std::uint64_t length, std::uint32_t& error) override;
    std::vector<std::u16string> list(std::u16string_view pattern,
                                     FolderEntries folders) const override;
    std::filesystem::path resolve(std::u16string_view path) const override;
    bool remove(std::u16string_view path, std::uint32_t& error) override;
    bool copyIn(const std::filesystem::path& source, std::u16string_view target,
                std::uint32_t& error) override;

    const std::filesystem::path& root() const { return root_; }

private:
    std::filesystem::path root_;
};

// The UTF-16 form of a name found on disk: UTF-8 where it is valid, otherwise the bytes as the
// 8-bit code page reads them, so that no file is hidden for its odd name.
std::u16string nameFromDisk(const std::filesystem::path& name);

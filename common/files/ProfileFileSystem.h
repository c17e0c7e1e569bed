// SPDX-License-Identifier: GPL-3.0-or-later
// A content folder shared by several children, each with a profile folder of their own: the
// child's settings (options\vimo.opt, options\access.opt) and session log (log\) are read and
// written in the profile, everything else is read from the content folder, which is never
// written. The content folder's other settings files (the starting settings of each language)
// and its language file serve the profile until it has its own.
#pragma once

#include "common/files/DiskFileSystem.h"

class ProfileFileSystem : public FileSystem {
public:
    ProfileFileSystem(std::filesystem::path content, std::filesystem::path profile);

    std::unique_ptr<InputStream> openForReading(std::u16string_view path) const override;
    std::unique_ptr<OutputStream> openForReplacing(std::u16string_view path,
                                                   std::uint32_t& error) override;
    bool append(std::u16string_view path, std::string_view bytes, std::uint32_t& error) override;
    std::vector<std::u16string> list(std::u16string_view pattern,
                                     FolderEntries folders) const override;
    std::filesystem::path resolve(std::u16string_view path) const override;
    bool remove(std::u16string_view path, std::uint32_t& error) override;
    bool copyIn(const std::filesystem::path& source, std::u16string_view target,
                std::uint32_t& error) override;

    // Where a path is kept.
    enum class Place {
        Content,      // read from the content folder; never written
        Profile,      // read and written in the profile alone
        ProfileFirst, // read from the profile where it is there, else from the content folder;
                      // written in the profile
    };
    static Place placeOf(std::u16string_view path);

private:
    // The layer that reads `path`.
    const DiskFileSystem& reader(std::u16string_view path) const;
    // The layer that writes `path`; null, with `error` set to EROFS, for the content folder.
    DiskFileSystem* writer(std::u16string_view path, std::uint32_t& error);

    DiskFileSystem content_;
    DiskFileSystem profile_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/media/CMediaFolder.h"

#include "common/files/DiskFileSystem.h"
#include "common/pictures/PictureFile.h"
#include "editor/lists/CItemName.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <utility>

CMediaFolder::CMediaFolder(FileSystem& files, CMediaKind kind, std::u16string language)
    : files_(files), kind_(kind), folder_(kind.folder(language)) {}

std::vector<std::u16string> CMediaFolder::fileNames() const {
    std::vector<std::u16string> names = files_.list(folder_ + u"*.*", FolderEntries::Skip);
    std::erase_if(names,
                  [](const std::u16string& name) { return !CItemName::staysInFolder(name); });
    return names;
}

CMediaFolder::CopyResult CMediaFolder::copyIn(const std::filesystem::path& source,
                                              std::u16string& name) {
    std::uint32_t error = 0;
    return copyIn(source, name, error);
}

CMediaFolder::CopyResult CMediaFolder::copyIn(const std::filesystem::path& source,
                                              std::u16string& name, std::uint32_t& error) {
    name = nameFromDisk(source.filename());
    // A name made elsewhere may hold a backslash, which would lead the copy out of the folder.
    if (!CItemName::isPortableFileName(name)) {
        return CopyResult::BadName;
    }
    return copyInAs(source, name, error);
}

CMediaFolder::CopyResult CMediaFolder::copyInAs(const std::filesystem::path& source,
                                                std::u16string_view name, std::uint32_t& error) {
    if (files_.copyIn(source, pathOf(name), error)) {
        return CopyResult::Copied;
    }
    return error == EEXIST ? CopyResult::AlreadyThere : CopyResult::Failed;
}

std::u16string CMediaFolder::freeName(std::u16string_view name) const {
    // A folder holds far fewer copies of one name; past them the copy is refused as taken.
    constexpr int kMostCopies = 999;
    std::u16string free = CItemName::numbered(name, 2);
    for (int number = 3; number <= kMostCopies && files_.exists(pathOf(free)); ++number) {
        free = CItemName::numbered(name, number);
    }
    return free;
}

bool CMediaFolder::remove(std::u16string_view name, std::uint32_t& error) {
    return files_.remove(pathOf(name), error);
}

std::string CMediaFolder::contentsOf(std::u16string_view name) const {
    const std::unique_ptr<InputStream> input = files_.openForReading(pathOf(name));
    std::string bytes;
    // The game's limit, told by the size before anything is read.
    if (!input || input->size() > kLargestPictureFileBytes) {
        return bytes;
    }
    std::array<unsigned char, 64 * 1024> buffer{};
    std::uint32_t error = 0;
    for (;;) {
        const std::ptrdiff_t got = input->read(buffer.data(), buffer.size(), error);
        if (got < 0 || bytes.size() + static_cast<std::size_t>(got) > kLargestPictureFileBytes) {
            return {};
        }
        if (got == 0) {
            return bytes;
        }
        bytes.append(reinterpret_cast<const char*>(buffer.data()), static_cast<std::size_t>(got));
    }
}

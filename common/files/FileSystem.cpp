#include "FileSystem.h"

#include <cerrno>

bool endsWithSeparator(std::u16string_view path) {
    return !path.empty() && (path.back() == u'\\' || path.back() == u'/');
}

bool FileSystem::exists(std::u16string_view path) const {
    if (path.empty() || endsWithSeparator(path)) {
        return false;
    }
    return !list(path, FolderEntries::Keep).empty();
}

bool FileSystem::remove(std::u16string_view, std::uint32_t& error) {
    error = ENOTSUP;
    return false;
}

bool FileSystem::copyIn(const std::filesystem::path&, std::u16string_view, std::uint32_t& error) {
    error = ENOTSUP;
    return false;
}

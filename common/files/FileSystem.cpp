#include "FileSystem.h"

bool endsWithSeparator(std::u16string_view path) {
    return !path.empty() && (path.back() == u'\\' || path.back() == u'/');
}

bool FileSystem::exists(std::u16string_view path) const {
    if (path.empty() || endsWithSeparator(path)) {
        return false;
    }
    return !list(path, FolderEntries::Keep).empty();
}

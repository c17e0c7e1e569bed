// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileSystem.h"

#include <algorithm>
#include <array>
#include <cerrno>

bool endsWithSeparator(std::u16string_view path) {
    return !path.empty() && (path.back() == u'\\' || path.back() == u'/');
}

bool staysInContentFolder(std::u16string_view path) {
    auto isSeparator = [](char16_t c) { return c == u'\\' || c == u'/'; };
    if (!path.empty() && isSeparator(path.front())) {
        return false;
    }
    const bool letter = !path.empty() && ((path[0] >= u'a' && path[0] <= u'z') ||
                                          (path[0] >= u'A' && path[0] <= u'Z'));
    if (letter && path.size() >= 2 && path[1] == u':') {
        return false;
    }
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = start;
        while (end < path.size() && !isSeparator(path[end])) {
            ++end;
        }
        if (path.substr(start, end - start) == u"..") {
            return false;
        }
        start = end + 1;
    }
    return true;
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

bool FileSystem::append(std::u16string_view, std::string_view, std::uint32_t& error) {
    error = ENOTSUP;
    return false;
}

bool FileSystem::truncate(std::u16string_view, std::uint64_t, std::uint32_t& error) {
    error = ENOTSUP;
    return false;
}

bool InputStream::skip(std::uint64_t count, std::uint32_t& error) {
    std::array<unsigned char, 4096> buffer{};
    while (count > 0) {
        const std::size_t part =
            static_cast<std::size_t>(std::min<std::uint64_t>(count, buffer.size()));
        const std::ptrdiff_t got = read(buffer.data(), part, error);
        if (got <= 0) {
            if (got == 0) {
                error = EINVAL; // the file ended first
            }
            return false;
        }
        count -= static_cast<std::uint64_t>(got);
    }
    return true;
}

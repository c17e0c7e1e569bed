// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiskFileSystem.h"

#include "common/files/DiskInputStream.h"
#include "common/files/FileDescriptor.h"
#include "common/files/ReplacingOutputStream.h"
#include "common/files/WildcardPattern.h"
#include "common/text/CaseFolding.h"
#include "common/text/CodePage.h"
#include "common/text/Utf8.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

bool isSeparator(char16_t c) {
    return c == u'\\' || c == u'/';
}

std::vector<std::u16string_view> splitComponents(std::u16string_view path) {
    std::vector<std::u16string_view> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = start;
        while (end < path.size() && !isSeparator(path[end])) {
            ++end;
        }
        std::u16string_view part = path.substr(start, end - start);
        if (!part.empty() && part != u".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    return parts;
}

bool entryExists(const fs::path& path) {
    std::error_code ec;
    return fs::symlink_status(path, ec).type() != fs::file_type::not_found && !ec;
}

// The entry of `folder` whose name equals `name` ignoring case; the first in listing order when
// several do.
std::optional<fs::path> findIgnoringCase(const fs::path& folder, std::u16string_view name) {
    std::error_code ec;
    std::optional<fs::path> best;
    std::u16string bestName;
    for (fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end; it.increment(ec)) {
        std::u16string entryName = nameFromDisk(it->path().filename());
        if (equalsIgnoringCase(entryName, name) &&
            (!best || compareFileNames(entryName, bestName) < 0)) {
            best = it->path();
            bestName = std::move(entryName);
        }
    }
    return best;
}

// Whether `path` cannot name a file to write: ENOENT when it leads outside the content folder,
// EISDIR when it is empty or names a folder.
bool refusedForWriting(std::u16string_view path, std::uint32_t& error) {
    if (!staysInContentFolder(path)) {
        error = ENOENT;
        return true;
    }
    if (path.empty() || endsWithSeparator(path)) {
        error = EISDIR;
        return true;
    }
    return false;
}

// `target` opened for writing with `flags` added; invalid, with `error` set, when it cannot be
// opened or is not a regular file. Non-blocking, so a pipe put in the file's place cannot hold
// the program until someone reads it; a link is not followed out of the content folder.
FileDescriptor openRegularForWriting(const fs::path& target, int flags, std::uint32_t& error) {
    FileDescriptor file(
        ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | flags, 0644));
    if (!file.valid()) {
        error = static_cast<std::uint32_t>(errno);
        return file;
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        error = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
        return FileDescriptor();
    }
    return file;
}

} // namespace

std::u16string nameFromDisk(const fs::path& name) {
    const std::string& bytes = name.native();
    if (auto text = fromUtf8Strict(bytes)) {
        return *std::move(text);
    }
    return ansiToWide(bytes);
}

DiskFileSystem::DiskFileSystem(fs::path root) : root_(std::move(root)) {}

fs::path DiskFileSystem::resolve(std::u16string_view path) const {
    if (!staysInContentFolder(path)) {
        return {};
    }
    fs::path current = root_;
    bool walking = true; // false once a component is missing: nothing below it can exist
    for (std::u16string_view part : splitComponents(path)) {
        fs::path exact = current / toUtf8(part);
        if (!walking || entryExists(exact)) {
            current = std::move(exact);
        } else if (auto found = findIgnoringCase(current, part)) {
            current = std::move(*found);
        } else {
            current = std::move(exact);
            walking = false;
        }
    }
    if (endsWithSeparator(path)) {
        current += "/";
    }
    return current;
}

std::unique_ptr<InputStream> DiskFileSystem::openForReading(std::u16string_view path) const {
    if (path.empty() || endsWithSeparator(path) || !staysInContentFolder(path)) {
        return nullptr;
    }
    return DiskInputStream::open(resolve(path));
}

std::unique_ptr<OutputStream> DiskFileSystem::openForReplacing(std::u16string_view path,
                                                               std::uint32_t& error) {
    if (refusedForWriting(path, error)) {
        return nullptr;
    }
    return ReplacingOutputStream::open(resolve(path), error);
}

std::vector<std::u16string> DiskFileSystem::list(std::u16string_view pattern,
                                                 FolderEntries folders) const {
    std::size_t cut = pattern.size();
    while (cut > 0 && !isSeparator(pattern[cut - 1])) {
        --cut;
    }
    const std::u16string_view namePattern = pattern.substr(cut);
    std::vector<std::u16string> names;
    if (namePattern.empty() || !staysInContentFolder(pattern)) {
        return names;
    }
    const fs::path folder = cut == 0 ? root_ : resolve(pattern.substr(0, cut));
    std::error_code ec;
    for (fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end; it.increment(ec)) {
        std::u16string name = nameFromDisk(it->path().filename());
        if (isTemporaryFileName(name) || !matchesWildcard(namePattern, name)) {
            continue;
        }
        std::error_code typeError;
        if (folders == FolderEntries::Skip && it->is_directory(typeError)) {
            continue;
        }
        names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), [](const std::u16string& a, const std::u16string& b) {
        return compareFileNames(a, b) < 0;
    });
    return names;
}

bool DiskFileSystem::remove(std::u16string_view path, std::uint32_t& error) {
    if (path.empty() || endsWithSeparator(path) || !staysInContentFolder(path)) {
        error = path.empty() || !staysInContentFolder(path) ? ENOENT : EISDIR;
        return false;
    }
    const fs::path target = resolve(path);
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(target, ec);
    if (ec || status.type() == fs::file_type::not_found) {
        error = ec && ec.value() != ENOENT ? static_cast<std::uint32_t>(ec.value()) : ENOENT;
        return false;
    }
    if (status.type() == fs::file_type::directory) {
        error = EISDIR;
        return false;
    }
    if (::unlink(target.c_str()) != 0) {
        error = static_cast<std::uint32_t>(errno);
        return false;
    }
    return true;
}

bool DiskFileSystem::copyIn(const fs::path& source, std::u16string_view target,
                            std::uint32_t& error) {
    if (refusedForWriting(target, error)) {
        return false;
    }
    const fs::path destination = resolve(target);
    // resolve() has already matched the name ignoring case, so an existing "Cat.png" blocks
    // "cat.png" as it would on Windows.
    if (entryExists(destination)) {
        error = EEXIST;
        return false;
    }
    const std::unique_ptr<InputStream> input = DiskInputStream::open(source);
    if (!input) {
        error = ENOENT;
        return false;
    }
    // The copy is written beside its target under a hidden name and appears only when complete.
    const std::unique_ptr<OutputStream> output = ReplacingOutputStream::open(destination, error);
    if (!output) {
        return false;
    }
    std::array<unsigned char, 64 * 1024> buffer{};
    for (;;) {
        const std::ptrdiff_t got = input->read(buffer.data(), buffer.size(), error);
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            break;
        }
        if (!output->write(buffer.data(), static_cast<std::size_t>(got), error)) {
            return false;
        }
    }
    // A file that appeared while the copy was written keeps its place.
    if (entryExists(destination)) {
        error = EEXIST;
        return false;
    }
    return output->commit(error);
}

bool DiskFileSystem::append(std::u16string_view path, std::string_view bytes,
                            std::uint32_t& error) {
    if (refusedForWriting(path, error)) {
        return false;
    }
    const fs::path target = resolve(path);
    std::error_code ec;
    fs::create_directory(target.parent_path(), ec);
    if (ec) {
        error = static_cast<std::uint32_t>(ec.value());
        return false;
    }
    const FileDescriptor file = openRegularForWriting(target, O_APPEND | O_CREAT, error);
    if (!file.valid()) {
        return false;
    }
    while (!bytes.empty()) {
        const ssize_t written = ::write(file.get(), bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = static_cast<std::uint32_t>(errno);
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool DiskFileSystem::truncate(std::u16string_view path, std::uint64_t length,
                              std::uint32_t& error) {
    if (refusedForWriting(path, error)) {
        return false;
    }
    const FileDescriptor file = openRegularForWriting(resolve(path), 0, error);
    if (!file.valid()) {
        return false;
    }
    const off_t size = ::lseek(file.get(), 0, SEEK_END);
    if (size >= 0 && static_cast<std::uint64_t>(size) <= length) {
        return true;
    }
    if (size < 0 || ::ftruncate(file.get(), static_cast<off_t>(length)) != 0) {
        error = static_cast<std::uint32_t>(errno);
        return false;
    }
    return true;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReplacingOutputStream.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>

namespace {

constexpr std::string_view kTemporarySuffix = ".vimo-saving";
constexpr std::u16string_view kTemporarySuffix16 = u".vimo-saving";

// A save takes well under a second; a temporary file untouched for this long and held by no
// writer was left by a save that never finished.
constexpr std::time_t kStaleAfterSeconds = 60;

// Twelve hexadecimal digits, different for every save: short, so that beside a name of the
// longest length a folder allows the temporary name still fits.
std::string randomTag() {
    unsigned char bytes[6] = {};
    if (::getrandom(bytes, sizeof bytes, 0) != static_cast<ssize_t>(sizeof bytes)) {
        // Without the kernel's randomness the clock and the process still part two savers;
        // creating the file exclusively keeps them apart whatever the tag.
        const auto seed = static_cast<unsigned long long>(std::time(nullptr)) ^
                          (static_cast<unsigned long long>(::getpid()) << 20) ^
                          reinterpret_cast<std::uintptr_t>(&bytes);
        for (int i = 0; i < 6; ++i) {
            bytes[i] = static_cast<unsigned char>(seed >> (8 * i));
        }
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string tag;
    for (const unsigned char byte : bytes) {
        tag += kDigits[byte >> 4];
        tag += kDigits[byte & 15];
    }
    return tag;
}

bool isTemporaryName(std::string_view name) {
    return name.size() > kTemporarySuffix.size() + 1 && name.front() == '.' &&
           name.ends_with(kTemporarySuffix);
}

// Removes temporary files that earlier saves left in `folder` when they were killed. A file a
// save is still writing is locked by it and stays; so does a fresh one, which a save may have
// created a moment before it locks it.
void removeStaleTemporaryFiles(const std::filesystem::path& folder) {
    std::error_code ec;
    const std::time_t now = std::time(nullptr);
    for (std::filesystem::directory_iterator
             it(folder, std::filesystem::directory_options::skip_permission_denied, ec),
         end;
         !ec && it != end; it.increment(ec)) {
        const std::filesystem::path& path = it->path();
        if (!isTemporaryName(path.filename().native())) {
            continue;
        }
        const FileDescriptor fd(
            ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY));
        struct stat opened {};
        if (!fd.valid() || ::fstat(fd.get(), &opened) != 0 || !S_ISREG(opened.st_mode) ||
            now - opened.st_mtime < kStaleAfterSeconds ||
            ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
            continue;
        }
        // Only the very file examined, should the name have been taken again meanwhile.
        struct stat named {};
        if (::lstat(path.c_str(), &named) == 0 && named.st_ino == opened.st_ino &&
            named.st_dev == opened.st_dev) {
            ::unlink(path.c_str());
        }
    }
}

// Makes a rename in `folder` last through a power cut. Some file systems cannot sync a folder
// (EINVAL); they keep the rename in their own way.
bool syncFolder(const std::filesystem::path& folder, std::uint32_t& error) {
    FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.valid() || (::fsync(fd.get()) != 0 && errno != EINVAL)) {
        error = static_cast<std::uint32_t>(errno);
        return false;
    }
    return true;
}

} // namespace

std::string temporaryFileName() {
    return "." + randomTag() + std::string(kTemporarySuffix);
}

bool isTemporaryFileName(std::u16string_view name) {
    return name.size() > kTemporarySuffix16.size() + 1 && name.front() == u'.' &&
           name.ends_with(kTemporarySuffix16);
}

ReplacingOutputStream::ReplacingOutputStream(FileDescriptor fd, std::filesystem::path temporary,
                                             std::filesystem::path target)
    : fd_(std::move(fd)), temporary_(std::move(temporary)), target_(std::move(target)) {}

ReplacingOutputStream::~ReplacingOutputStream() {
    if (!committed_) {
        discard();
    }
}

std::unique_ptr<OutputStream> ReplacingOutputStream::open(const std::filesystem::path& target,
                                                          std::uint32_t& error) {
    mode_t mode = 0666;
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) {
            error = EISDIR;
            return nullptr;
        }
        if ((info.st_mode & 0222) == 0) {
            error = EROFS;
            return nullptr;
        }
        mode = info.st_mode & 07777;
    }
    if (!target.has_filename()) {
        error = EISDIR;
        return nullptr;
    }
    const std::filesystem::path folder = target.parent_path();
    removeStaleTemporaryFiles(folder);
    // Each save has a file of its own, created here and nowhere else, so two saves at once never
    // write into one file.
    std::filesystem::path temporary;
    FileDescriptor fd;
    for (int attempt = 0; attempt < 8 && !fd.valid(); ++attempt) {
        temporary = folder / temporaryFileName();
        fd = FileDescriptor(
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
        if (!fd.valid() && errno != EEXIST) {
            break;
        }
    }
    if (!fd.valid()) {
        error = static_cast<std::uint32_t>(errno);
        return nullptr;
    }
    // Held until the file is renamed or removed: a lock tells a save in progress from a leftover.
    ::flock(fd.get(), LOCK_EX | LOCK_NB);
    // The replacement keeps the permissions of the file it replaces.
    if (mode != 0666) {
        ::fchmod(fd.get(), mode);
    }
    return std::unique_ptr<OutputStream>(
        new ReplacingOutputStream(std::move(fd), std::move(temporary), target));
}

bool ReplacingOutputStream::write(const unsigned char* bytes, std::size_t size,
                                  std::uint32_t& error) {
    if (!fd_.valid()) {
        error = EBADF;
        return false;
    }
    std::size_t done = 0;
    while (done < size) {
        const ssize_t put = ::write(fd_.get(), bytes + done, size - done);
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = static_cast<std::uint32_t>(errno);
            return false;
        }
        done += static_cast<std::size_t>(put);
    }
    return true;
}

bool ReplacingOutputStream::commit(std::uint32_t& error) {
    if (!fd_.valid()) {
        error = EBADF;
        return false;
    }
    if (::fsync(fd_.get()) != 0 || std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        error = static_cast<std::uint32_t>(errno);
        discard();
        return false;
    }
    committed_ = true;
    // The new file is in place; a failure from here on is still told, so the caller saves again.
    if (fd_.close() != 0) {
        error = static_cast<std::uint32_t>(errno);
        return false;
    }
    return syncFolder(target_.parent_path(), error);
}

void ReplacingOutputStream::discard() {
    fd_.close();
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiskInputStream.h"

#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

std::unique_ptr<InputStream> DiskInputStream::open(const std::filesystem::path& path) {
    // Opening a pipe for reading waits for a writer, for ever if none comes; without blocking it
    // returns at once, and what was opened is then checked, not the name, which could since name
    // something else.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd.valid()) {
        return nullptr;
    }
    // A folder, a pipe, a socket or a device opens on this platform; as a file none may.
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return nullptr;
    }
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags == -1 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
        return nullptr;
    }
    return std::make_unique<DiskInputStream>(std::move(fd));
}

std::uint64_t DiskInputStream::size() const {
    struct stat info {};
    if (::fstat(fd_.get(), &info) != 0 || info.st_size < 0) {
        return 0;
    }
    return static_cast<std::uint64_t>(info.st_size);
}

std::ptrdiff_t DiskInputStream::read(unsigned char* buffer, std::size_t size,
                                     std::uint32_t& error) {
    // Fill the whole request unless the file ends, so a short read never looks like the end.
    std::size_t total = 0;
    while (total < size) {
        const ssize_t got = ::read(fd_.get(), buffer + total, size - total);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = static_cast<std::uint32_t>(errno);
            return -1;
        }
        if (got == 0) {
            break;
        }
        total += static_cast<std::size_t>(got);
    }
    return static_cast<std::ptrdiff_t>(total);
}

bool DiskInputStream::rewind(std::uint32_t& error) {
    if (::lseek(fd_.get(), 0, SEEK_SET) != 0) {
        error = static_cast<std::uint32_t>(errno);
        return false;
    }
    return true;
}

bool DiskInputStream::skip(std::uint64_t count, std::uint32_t& error) {
    if (count > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max()) ||
        ::lseek(fd_.get(), static_cast<off_t>(count), SEEK_CUR) < 0) {
        error = count > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max())
                    ? EINVAL
                    : static_cast<std::uint32_t>(errno);
        return false;
    }
    return true;
}

#include "DiskInputStream.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

std::unique_ptr<InputStream> DiskInputStream::open(const std::filesystem::path& path) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) {
        return nullptr;
    }
    // A folder opens on this platform; as a file it must not.
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return nullptr;
    }
    return std::make_unique<DiskInputStream>(std::move(fd));
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

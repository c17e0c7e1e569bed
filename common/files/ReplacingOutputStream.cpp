#include "ReplacingOutputStream.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

constexpr std::string_view kTemporarySuffix = ".vimo-saving";
constexpr std::u16string_view kTemporarySuffix16 = u".vimo-saving";

} // namespace

std::string temporaryFileName(const std::string& fileName) {
    return "." + fileName + std::string(kTemporarySuffix);
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
            error = EACCES;
            return nullptr;
        }
        mode = info.st_mode & 07777;
    }
    if (!target.has_filename()) {
        error = EISDIR;
        return nullptr;
    }
    std::filesystem::path temporary =
        target.parent_path() / temporaryFileName(target.filename().string());
    FileDescriptor fd(::open(temporary.c_str(),
                             O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (!fd.valid()) {
        error = static_cast<std::uint32_t>(errno);
        return nullptr;
    }
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
    if (::fsync(fd_.get()) != 0 || fd_.close() != 0) {
        error = static_cast<std::uint32_t>(errno);
        discard();
        return false;
    }
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        error = static_cast<std::uint32_t>(errno);
        discard();
        return false;
    }
    committed_ = true;
    return true;
}

void ReplacingOutputStream::discard() {
    fd_.close();
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
}

// Reads a regular file on disk.
#pragma once

#include "common/files/FileDescriptor.h"
#include "common/files/FileSystem.h"

class DiskInputStream : public InputStream {
public:
    explicit DiskInputStream(FileDescriptor fd) : fd_(std::move(fd)) {}
    std::ptrdiff_t read(unsigned char* buffer, std::size_t size, std::uint32_t& error) override;
    bool rewind(std::uint32_t& error) override;

    // Null when `path` is not a regular file that can be opened.
    static std::unique_ptr<InputStream> open(const std::filesystem::path& path);

private:
    FileDescriptor fd_;
};

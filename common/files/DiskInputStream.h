// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a regular file on disk.
#pragma once

#include "common/files/FileDescriptor.h"
#include "common/files/FileSystem.h"

class DiskInputStream : public InputStream {
public:
    explicit DiskInputStream(FileDescriptor fd) : fd_(std::move(fd)) {}
    std::ptrdiff_t read(unsigned char* buffer, std::size_t size, std::uint32_t& error) override;
    bool rewind(std::uint32_t& error) override;
    bool skip(std::uint64_t count, std::uint32_t& error) override;
    std::uint64_t size() const override;

    // Null when `path` is not a regular file that can be opened; never waits, even for a pipe.
    static std::unique_ptr<InputStream> open(const std::filesystem::path& path);

private:
    FileDescriptor fd_;
};

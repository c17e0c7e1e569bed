// SPDX-License-Identifier: GPL-3.0-or-later
// A content folder held in memory for the fuzzers: the one file the fuzzer feeds is read from
// its bytes, whatever path asks for it, and the last file written is kept in memory. Fast
// enough for millions of runs.
#pragma once

#include "common/files/FileSystem.h"

#include <algorithm>
#include <cstring>
#include <string>

class MemoryFileSystem : public FileSystem {
public:
    MemoryFileSystem(const std::uint8_t* data, std::size_t size)
        : bytes_(reinterpret_cast<const char*>(data), size) {}

    std::unique_ptr<InputStream> openForReading(std::u16string_view path) const override {
        if (path.empty() || endsWithSeparator(path)) {
            return nullptr;
        }
        return std::make_unique<Reader>(bytes_);
    }
    std::unique_ptr<OutputStream> openForReplacing(std::u16string_view, std::uint32_t&) override {
        return std::make_unique<Sink>(written);
    }
    std::vector<std::u16string> list(std::u16string_view, FolderEntries) const override {
        return {};
    }
    std::filesystem::path resolve(std::u16string_view) const override { return {}; }

    // What the last committed write put in its file.
    std::string written;

private:
    class Reader : public InputStream {
    public:
        explicit Reader(const std::string& bytes) : bytes_(bytes) {}
        std::ptrdiff_t read(unsigned char* buffer, std::size_t size, std::uint32_t&) override {
            const std::size_t count = std::min(size, bytes_.size() - at_);
            std::memcpy(buffer, bytes_.data() + at_, count);
            at_ += count;
            return static_cast<std::ptrdiff_t>(count);
        }
        bool rewind(std::uint32_t&) override {
            at_ = 0;
            return true;
        }
        std::uint64_t size() const override { return bytes_.size(); }

    private:
        const std::string& bytes_;
        std::size_t at_ = 0;
    };
    // Keeps the bytes of the last file written, once it is committed.
    class Sink : public OutputStream {
    public:
        explicit Sink(std::string& target) : target_(target) {}
        bool write(const unsigned char* bytes, std::size_t size, std::uint32_t&) override {
            bytes_.append(reinterpret_cast<const char*>(bytes), size);
            return true;
        }
        bool commit(std::uint32_t&) override {
            target_ = bytes_;
            return true;
        }

    private:
        std::string& target_;
        std::string bytes_;
    };

    std::string bytes_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// Replaces a file without ever leaving a truncated one: the bytes go into a hidden temporary
// file of this save's own beside the target, which is renamed over the target only once
// everything is on disk. A crash, a full disk, a failed flush or a second save at the same time
// leaves a whole file. Temporary files that saves killed part-way left behind are removed when
// the next save in their folder comes.
#pragma once

#include "common/files/FileDescriptor.h"
#include "common/files/FileSystem.h"

class ReplacingOutputStream : public OutputStream {
public:
    ~ReplacingOutputStream() override;

    // Null, with `error` set, when the target's folder is missing, the target is a folder, or
    // the target is read-only (EROFS; refused even where the user could override it, as on
    // Windows).
    static std::unique_ptr<OutputStream> open(const std::filesystem::path& target,
                                              std::uint32_t& error);

    bool write(const unsigned char* bytes, std::size_t size, std::uint32_t& error) override;
    bool commit(std::uint32_t& error) override;

private:
    ReplacingOutputStream(FileDescriptor fd, std::filesystem::path temporary,
                          std::filesystem::path target);
    void discard();

    FileDescriptor fd_;
    std::filesystem::path temporary_;
    std::filesystem::path target_;
    bool committed_ = false;
};

// A fresh name for a temporary file: a leading dot, a random tag and a fixed ending.
std::string temporaryFileName();

// True for names of such temporary files, which no listing shows.
bool isTemporaryFileName(std::u16string_view name);

// SPDX-License-Identifier: GPL-3.0-or-later
// The sounds played last, kept decoded, because the same click, praise, speech and music come
// back again and again, on the shared channel and on the wave devices (a screen's start music). An
// entry serves only while its file is unchanged on disk (the editor copies new sounds over old
// names); the oldest entries go once too many are kept.
#pragma once

#include "common/audio/sdl/MixChunk.h"
#include "common/files/FileSystem.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class ChunkCache {
public:
    explicit ChunkCache(const FileSystem& files) : files_(files) {}

    // The decoded sound of `path`, shared with the cache; null when it cannot be played. An
    // entry the cache lets go of lives on while its caller holds it, so whatever plays it has to
    // hold it for as long as it plays.
    SharedChunk get(std::u16string_view path);

private:
    struct FileStamp {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type written;
        bool operator==(const FileStamp&) const = default;
    };
    struct Entry {
        std::u16string path;
        FileStamp stamp;
        SharedChunk chunk;
    };

    std::optional<FileStamp> stampOf(std::u16string_view path) const;
    void trim();

    const FileSystem& files_;
    std::vector<Entry> entries_; // most recently used first
};

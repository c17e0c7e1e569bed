// SPDX-License-Identifier: GPL-3.0-or-later
// The sounds the shared channel played last, kept decoded, because the same click, praise and
// speech come back again and again. An entry serves only while its file is unchanged on disk
// (the editor copies new sounds over old names); the oldest entries go once too many are kept.
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

    // The decoded sound of `path`, owned by the cache; null when it cannot be played. May free
    // other entries, so no chunk of the cache may be playing when it is called.
    Mix_Chunk* get(std::u16string_view path);

private:
    struct FileStamp {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type written;
        bool operator==(const FileStamp&) const = default;
    };
    struct Entry {
        std::u16string path;
        FileStamp stamp;
        ChunkPtr chunk;
    };

    std::optional<FileStamp> stampOf(std::u16string_view path) const;
    void trim();

    const FileSystem& files_;
    std::vector<Entry> entries_; // most recently used first
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChunkCache.h"

#include "common/audio/sdl/SoundFile.h"

#include <SDL_mixer.h>
#include <algorithm>
#include <system_error>

namespace {

// Enough for the sounds of one screen; the byte limit keeps long music from piling up. It holds
// the menu's music (3 MiB converted) and the start music of the activity last visited (1.3 to
// 2.3 MiB) beside the clicks, praise and speech, so going back and forth between the menu and an
// activity decodes neither again.
constexpr std::size_t kMostEntries = 16;
constexpr std::size_t kMostBytes = 8u << 20;

} // namespace

SharedChunk ChunkCache::get(std::u16string_view path) {
    const std::optional<FileStamp> stamp = stampOf(path);
    auto found = std::find_if(entries_.begin(), entries_.end(),
                              [&](const Entry& entry) { return entry.path == path; });
    if (found != entries_.end()) {
        if (stamp && found->stamp == *stamp) {
            std::rotate(entries_.begin(), found, found + 1);
            return entries_.front().chunk;
        }
        entries_.erase(found);
    }
    if (!stamp) {
        return nullptr;
    }
    ChunkPtr chunk = loadSound(files_, path);
    if (!chunk) {
        return nullptr;
    }
    entries_.insert(entries_.begin(),
                    Entry{std::u16string(path), *stamp, SharedChunk(std::move(chunk))});
    trim();
    return entries_.front().chunk;
}

std::optional<ChunkCache::FileStamp> ChunkCache::stampOf(std::u16string_view path) const {
    const std::filesystem::path file = files_.resolve(path);
    std::error_code ec;
    FileStamp stamp;
    stamp.size = std::filesystem::file_size(file, ec);
    if (ec) {
        return std::nullopt;
    }
    stamp.written = std::filesystem::last_write_time(file, ec);
    if (ec) {
        return std::nullopt;
    }
    return stamp;
}

void ChunkCache::trim() {
    std::size_t bytes = 0;
    std::size_t keep = 0;
    // The newest entry stays even when it alone is over the limit: it is about to play.
    for (; keep < entries_.size() && keep < kMostEntries; ++keep) {
        bytes += entries_[keep].chunk->alen;
        if (keep > 0 && bytes > kMostBytes) {
            break;
        }
    }
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(keep), entries_.end());
}

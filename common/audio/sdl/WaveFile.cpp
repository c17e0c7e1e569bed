#include "WaveFile.h"

#include <SDL_mixer.h>
#include <cstring>
#include <new>
#include <vector>

namespace {

// Several minutes of CD-quality sound; anything larger is not a sound of this game, and reading
// it whole could exhaust memory.
constexpr std::size_t kLargestFile = 128u << 20;
constexpr std::size_t kReadBlock = 64u << 10;

bool readWhole(InputStream& in, std::vector<unsigned char>& bytes) {
    std::uint32_t error = 0;
    for (;;) {
        const std::size_t used = bytes.size();
        if (used > kLargestFile) {
            return false;
        }
        bytes.resize(used + kReadBlock);
        const std::ptrdiff_t got = in.read(bytes.data() + used, kReadBlock, error);
        if (got < 0) {
            return false;
        }
        bytes.resize(used + static_cast<std::size_t>(got));
        if (got == 0) {
            return true;
        }
    }
}

// SDL_mixer would also try its music decoders on anything else, and some of them take noise
// for sound; content sounds are wave files, so only those are handed over.
bool isRiffWave(const std::vector<unsigned char>& bytes) {
    return bytes.size() >= 12 && std::memcmp(bytes.data(), "RIFF", 4) == 0 &&
           std::memcmp(bytes.data() + 8, "WAVE", 4) == 0;
}

} // namespace

ChunkPtr loadWave(const FileSystem& files, std::u16string_view path) {
    std::unique_ptr<InputStream> in = files.openForReading(path);
    if (!in) {
        return nullptr;
    }
    std::vector<unsigned char> bytes;
    try {
        if (!readWhole(*in, bytes) || !isRiffWave(bytes)) {
            return nullptr;
        }
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (source == nullptr) {
        return nullptr;
    }
    ChunkPtr chunk(Mix_LoadWAV_RW(source, 1));
    // A chunk without a sample frame would spin the mixer forever when looped.
    if (chunk && chunk->alen == 0) {
        return nullptr;
    }
    return chunk;
}

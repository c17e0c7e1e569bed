// SPDX-License-Identifier: GPL-3.0-or-later
#include "WaveFile.h"

#include "common/files/WholeFile.h"

#include <SDL_mixer.h>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

namespace {

// Several minutes of CD-quality sound; anything larger is not a sound of this game, and reading
// it whole could exhaust memory.
constexpr std::size_t kLargestFile = 128u << 20;

// SDL_mixer would also try its music decoders on anything else, and some of them take noise
// for sound; content sounds are wave files, so only those are handed over.
bool isRiffWave(const std::vector<unsigned char>& bytes) {
    return bytes.size() >= 12 && std::memcmp(bytes.data(), "RIFF", 4) == 0 &&
           std::memcmp(bytes.data() + 8, "WAVE", 4) == 0;
}

std::uint32_t littleEndian(const unsigned char* at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | at[i];
    }
    return value;
}

// The bytes the sound takes once converted to the mixer's format, from the file's format and
// data chunks, before anything is decoded: a long recording at a low rate grows many times over
// (8 kHz 8-bit mono by 22 times), so a file well within kLargestFile could take gigabytes. Zero
// when the chunks cannot be read. A data chunk that claims more than the file holds is cut to
// what it holds, since SDL reserves the claimed size (up to 4 GB) before it reads.
std::uint64_t examineWave(std::vector<unsigned char>& bytes) {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    if (Mix_QuerySpec(&frequency, &format, &channels) == 0) {
        return 0;
    }
    std::uint64_t rate = 0;
    std::uint64_t bitsPerFrame = 0;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::uint32_t size = littleEndian(&bytes[at + 4], 4);
        const std::size_t body = at + 8;
        const std::size_t available = std::min<std::size_t>(size, bytes.size() - body);
        if (std::memcmp(&bytes[at], "fmt ", 4) == 0 && available >= 16) {
            rate = littleEndian(&bytes[body + 4], 4);
            bitsPerFrame = std::uint64_t{littleEndian(&bytes[body + 2], 2)} *
                           littleEndian(&bytes[body + 14], 2);
        } else if (std::memcmp(&bytes[at], "data", 4) == 0) {
            if (rate == 0 || bitsPerFrame == 0) {
                return 0;
            }
            for (int i = 0; i < 4; ++i) {
                bytes[at + 4 + static_cast<std::size_t>(i)] =
                    static_cast<unsigned char>(available >> (8 * i));
            }
            // Compressed formats give the bits a sample takes in the file, so the count of
            // frames holds for them too.
            const std::uint64_t frames = std::uint64_t{available} * 8 / bitsPerFrame;
            return frames * static_cast<std::uint64_t>(frequency) / rate *
                   static_cast<std::uint64_t>(SDL_AUDIO_BITSIZE(format) / 8 * channels);
        }
        at = body + size + (size & 1);
    }
    return 0;
}

} // namespace

ChunkPtr loadWave(const FileSystem& files, std::u16string_view path) {
    std::unique_ptr<InputStream> in = files.openForReading(path);
    if (!in) {
        return nullptr;
    }
    std::vector<unsigned char> bytes;
    std::uint32_t error = 0;
    try {
        if (!readWholeFile(*in, kLargestFile, bytes, error) || !isRiffWave(bytes)) {
            return nullptr;
        }
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    const std::uint64_t decoded = examineWave(bytes);
    if (decoded == 0 || decoded > kLargestFile) {
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
    // The conversion to the mixer's format leaves the samples in the buffer it worked in, two to
    // four times their size; kept (as cached sounds are) it would hold that memory for nothing.
    if (chunk && chunk->allocated != 0) {
        if (void* fitted = SDL_realloc(chunk->abuf, chunk->alen)) {
            chunk->abuf = static_cast<Uint8*>(fitted);
        }
    }
    return chunk;
}

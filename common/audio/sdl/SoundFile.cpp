// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundFile.h"

#include "common/audio/SoundFormat.h"
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

// The bytes a compressed sound takes once decoded in the mixer's format, from the length its
// decoder reads before decoding; zero when the decoder does not take the file or cannot tell.
std::uint64_t examineCompressed(const std::vector<unsigned char>& bytes, Mix_MusicType type) {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    if (Mix_QuerySpec(&frequency, &format, &channels) == 0) {
        return 0;
    }
    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    Mix_Music* music = source != nullptr ? Mix_LoadMUSType_RW(source, type, 1) : nullptr;
    if (music == nullptr) {
        return 0;
    }
    const double seconds = Mix_MusicDuration(music);
    Mix_FreeMusic(music);
    // Days of sound, or a length the decoder cannot tell (negative, or not a number), are refused
    // alike: the first is far over the limit anyway.
    if (!(seconds > 0 && seconds < 1e6)) {
        return 0;
    }
    return static_cast<std::uint64_t>(seconds * frequency) *
           static_cast<std::uint64_t>(SDL_AUDIO_BITSIZE(format) / 8 * channels);
}

// The decoded size of the sound in `bytes`; zero when it is not of a kind that plays.
std::uint64_t examineSound(std::u16string_view path, std::vector<unsigned char>& bytes) {
    switch (soundFormatOf(path, bytes)) {
    case SoundFormat::Wave:
        return examineWave(bytes);
    case SoundFormat::OggVorbis:
        return examineCompressed(bytes, MUS_OGG);
    case SoundFormat::OggOpus:
        return examineCompressed(bytes, MUS_OPUS);
    case SoundFormat::Mp3:
        return examineCompressed(bytes, MUS_MP3);
    case SoundFormat::Flac:
        return examineCompressed(bytes, MUS_FLAC);
    case SoundFormat::Mpeg4Audio:
    case SoundFormat::Unknown:
        break;
    }
    return 0;
}

} // namespace

ChunkPtr loadSound(const FileSystem& files, std::u16string_view path) {
    std::unique_ptr<InputStream> in = files.openForReading(path);
    if (!in) {
        return nullptr;
    }
    std::vector<unsigned char> bytes;
    std::uint32_t error = 0;
    try {
        if (!readWholeFile(*in, kLargestFile, bytes, error)) {
            return nullptr;
        }
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    // SDL_mixer would also try its music decoders on a file of another kind, and some of them
    // take noise for sound, so only the kinds that play are handed over.
    const std::uint64_t decoded = examineSound(path, bytes);
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

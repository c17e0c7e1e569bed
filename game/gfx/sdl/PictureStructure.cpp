// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/sdl/PictureStructure.h"

#include <cstdint>

namespace {

std::uint32_t bigEndian(std::span<const unsigned char> bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) {
        value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    }
    return value;
}

// Length, type, data and check of every chunk, after the signature, up to the end chunk.
bool pngChunksWhole(std::span<const unsigned char> bytes) {
    std::size_t at = 8;
    while (bytes.size() >= at + 12) {
        const std::uint32_t length = bigEndian(bytes, at, 4);
        if (bytes.size() - at - 12 < length) {
            return false;
        }
        if (bigEndian(bytes, at + 4, 4) == 0x49454E44) { // IEND
            return true;
        }
        at += std::size_t{length} + 12;
    }
    return false;
}

// Rows that are not interlaced, which the row decoder takes.
bool pngNotInterlaced(std::span<const unsigned char> bytes) {
    constexpr std::size_t kInterlaceAt = 28; // in the header chunk, which comes first
    return bytes.size() > kInterlaceAt && bytes[kInterlaceAt] == 0;
}

// What the marker segments of a JPEG's header tell, from the start of image on.
struct JpegHeader {
    bool scanReached = false;   // every segment up to the start of the scan is there
    bool channelsTaken = false; // a frame of one, three or four channels
};

JpegHeader jpegHeader(std::span<const unsigned char> bytes) {
    JpegHeader header;
    std::size_t at = 2;
    while (bytes.size() >= at + 4) {
        if (bytes[at] != 0xFF) {
            return header;
        }
        const unsigned char marker = bytes[at + 1];
        if (marker == 0xFF) { // fill bytes before a marker
            ++at;
            continue;
        }
        const std::uint32_t length = bigEndian(bytes, at + 2, 2);
        if (length < 2 || bytes.size() - at - 2 < length) {
            return header;
        }
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame && length >= 8) {
            const unsigned char channels = bytes[at + 9];
            header.channelsTaken = channels == 1 || channels == 3 || channels == 4;
        }
        if (marker == 0xDA) { // start of scan
            header.scanReached = true;
            return header;
        }
        at += std::size_t{length} + 2;
    }
    return header;
}

} // namespace

bool decodedByOwnDecoders(std::span<const unsigned char> start, ImageFormat format) {
    switch (format) {
    case ImageFormat::Png:
        return pngNotInterlaced(start);
    case ImageFormat::Jpeg:
        return jpegHeader(start).channelsTaken;
    default:
        return false;
    }
}

bool layableBeforeDecoding(const PictureFile& file) {
    if (!decodedByOwnDecoders(file.bytes, file.size.format)) {
        return false;
    }
    return file.size.format == ImageFormat::Png ? pngChunksWhole(file.bytes)
                                                : jpegHeader(file.bytes).scanReached;
}

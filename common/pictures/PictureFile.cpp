// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/pictures/PictureFile.h"

#include "common/files/WholeFile.h"

#include <algorithm>

namespace {

// Enough for the header of nearly every picture; a photo whose size comes after longer metadata
// is read whole (within the file limit) before its size is known.
constexpr std::size_t kHeaderBytes = 64u << 10;

} // namespace

std::optional<PictureStart> readPictureStart(InputStream& input) {
    if (input.size() > kLargestPictureFileBytes) {
        return std::nullopt;
    }
    PictureStart start;
    // Room for the whole file at once: grown a block at a time, a photo's bytes would be copied
    // over and over into ever larger fresh memory.
    start.bytes.reserve(
        static_cast<std::size_t>(std::min<std::uint64_t>(input.size(), kLargestPictureFileBytes)) +
        1);
    std::uint32_t error = 0;
    if (!readInto(input, start.bytes, kHeaderBytes, error)) {
        return std::nullopt;
    }
    start.declared = readImageFileSize(start.bytes);
    if (start.declared && !isDecodableSize(*start.declared)) {
        return std::nullopt;
    }
    start.whole = start.bytes.size() < kHeaderBytes;
    return start;
}

std::optional<PictureFile> readPictureRest(InputStream& input, PictureStart start) {
    PictureFile picture{};
    picture.bytes = std::move(start.bytes);
    std::uint32_t error = 0;
    if (!readInto(input, picture.bytes, kLargestPictureFileBytes + 1, error) ||
        picture.bytes.size() > kLargestPictureFileBytes) {
        return std::nullopt;
    }
    const std::optional<ImageFileSize> size = readImageFileSize(picture.bytes);
    if (!size || !isDecodableSize(*size)) {
        return std::nullopt;
    }
    picture.size = *size;
    return picture;
}

std::optional<PictureFile> readPictureFile(InputStream& input) {
    std::optional<PictureStart> start = readPictureStart(input);
    if (!start) {
        return std::nullopt;
    }
    return readPictureRest(input, std::move(*start));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/pictures/PictureFile.h"

#include "common/files/WholeFile.h"

namespace {

// Enough for the header of nearly every picture; a photo whose size comes after longer metadata
// is read whole (within the file limit) before its size is known.
constexpr std::size_t kHeaderBytes = 64u << 10;

} // namespace

std::optional<PictureFile> readPictureFile(InputStream& input) {
    if (input.size() > kLargestPictureFileBytes) {
        return std::nullopt;
    }
    PictureFile picture{};
    std::uint32_t error = 0;
    if (!readInto(input, picture.bytes, kHeaderBytes, error)) {
        return std::nullopt;
    }
    if (const auto declared = readImageFileSize(picture.bytes);
        declared && !isDecodableSize(*declared)) {
        return std::nullopt;
    }
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

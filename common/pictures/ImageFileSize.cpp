// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/pictures/ImageFileSize.h"

#include "common/pictures/ExifOrientation.h"
#include "common/pictures/SvgSize.h"

#include <algorithm>
#include <cstring>

namespace {

using Bytes = std::span<const unsigned char>;

bool startsWith(Bytes bytes, std::size_t at, const char* text) {
    const std::size_t length = std::strlen(text);
    return at + length <= bytes.size() && std::memcmp(bytes.data() + at, text, length) == 0;
}

std::uint32_t bigEndian(Bytes b, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) {
        value = value << 8 | b[at + static_cast<std::size_t>(i)];
    }
    return value;
}

std::uint32_t littleEndian(Bytes b, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | b[at + static_cast<std::size_t>(i)];
    }
    return value;
}

std::optional<ImageFileSize> sized(ImageFormat format, std::uint32_t width, std::uint32_t height) {
    if (width == 0 || height == 0) {
        return std::nullopt;
    }
    return ImageFileSize{format, width, height};
}

std::optional<ImageFileSize> png(Bytes b) {
    if (b.size() < 24 || !startsWith(b, 12, "IHDR")) {
        return std::nullopt;
    }
    return sized(ImageFormat::Png, bigEndian(b, 16, 4), bigEndian(b, 20, 4));
}

// The first start-of-frame segment holds the size; segments before it are skipped by length, save
// the camera metadata (APP1) that says which way up the photo stands.
std::optional<ImageFileSize> jpeg(Bytes b) {
    PictureOrientation orientation = PictureOrientation::Upright;
    std::size_t at = 2;
    while (at + 1 < b.size()) {
        if (b[at] != 0xFF) {
            return std::nullopt;
        }
        const unsigned marker = b[at + 1];
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        at += 2;
        if (marker == 0x01 || marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7)) {
            continue; // markers without a segment
        }
        if (marker == 0xD9 || marker == 0xDA || at + 2 > b.size()) {
            return std::nullopt; // the picture data or the end came before any frame
        }
        const std::uint32_t length = bigEndian(b, at, 2);
        const bool startOfFrame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (startOfFrame) {
            if (length < 7 || at + 7 > b.size()) {
                return std::nullopt;
            }
            std::optional<ImageFileSize> size =
                sized(ImageFormat::Jpeg, bigEndian(b, at + 5, 2), bigEndian(b, at + 3, 2));
            if (size) {
                size->orientation = orientation;
            }
            return size;
        }
        if (length < 2) {
            return std::nullopt;
        }
        if (marker == 0xE1 && orientation == PictureOrientation::Upright) {
            orientation = readExifOrientation(
                b.subspan(at + 2, std::min<std::size_t>(length - 2, b.size() - at - 2)));
        }
        at += length;
    }
    return std::nullopt;
}

std::optional<ImageFileSize> gif(Bytes b) {
    if (b.size() < 13) {
        return std::nullopt;
    }
    const std::uint32_t canvasWidth = littleEndian(b, 6, 2);
    const std::uint32_t canvasHeight = littleEndian(b, 8, 2);
    std::size_t at = 13;
    if ((b[10] & 0x80) != 0) {
        at += std::size_t{3} << ((b[10] & 7) + 1); // the global colour table
    }
    while (at < b.size()) {
        if (b[at] == 0x21) { // an extension: label, then sub-blocks up to an empty one
            at += 2;
            while (at < b.size() && b[at] != 0) {
                at += std::size_t{b[at]} + 1;
            }
            ++at;
        } else if (b[at] == 0x2C) { // the first frame
            if (at + 9 > b.size()) {
                return std::nullopt;
            }
            return sized(ImageFormat::Gif, std::max(canvasWidth, littleEndian(b, at + 5, 2)),
                         std::max(canvasHeight, littleEndian(b, at + 7, 2)));
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<ImageFileSize> bmp(Bytes b) {
    if (b.size() < 26) {
        return std::nullopt;
    }
    if (littleEndian(b, 14, 4) == 12) { // the old header with 16-bit sizes
        return sized(ImageFormat::Bmp, littleEndian(b, 18, 2), littleEndian(b, 20, 2));
    }
    const auto width = static_cast<std::int32_t>(littleEndian(b, 18, 4));
    const auto height = static_cast<std::int32_t>(littleEndian(b, 22, 4));
    if (width <= 0 || height == INT32_MIN) {
        return std::nullopt;
    }
    // A negative height means rows stored top down.
    return sized(ImageFormat::Bmp, static_cast<std::uint32_t>(width),
                 static_cast<std::uint32_t>(height < 0 ? -height : height));
}

// The width and length tags of the first directory.
std::optional<ImageFileSize> tiff(Bytes b) {
    const bool little = b[0] == 'I';
    auto number = [&](std::size_t at, int count) {
        return little ? littleEndian(b, at, count) : bigEndian(b, at, count);
    };
    const std::size_t directory = number(4, 4);
    if (directory + 2 > b.size() || directory < 8) {
        return std::nullopt;
    }
    const std::size_t entries = number(directory, 2);
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    for (std::size_t i = 0; i < entries; ++i) {
        const std::size_t entry = directory + 2 + i * 12;
        if (entry + 12 > b.size()) {
            return std::nullopt;
        }
        const std::uint32_t tag = number(entry, 2);
        const std::uint32_t type = number(entry + 2, 2);
        if (tag != 256 && tag != 257) {
            continue;
        }
        std::uint32_t value = 0;
        if (type == 3) { // SHORT
            value = number(entry + 8, 2);
        } else if (type == 4) { // LONG
            value = number(entry + 8, 4);
        } else {
            return std::nullopt;
        }
        (tag == 256 ? width : height) = value;
    }
    return sized(ImageFormat::Tiff, width, height);
}

std::optional<ImageFileSize> webp(Bytes b) {
    if (b.size() < 30) {
        return std::nullopt;
    }
    if (startsWith(b, 12, "VP8 ")) {
        return sized(ImageFormat::WebP, littleEndian(b, 26, 2) & 0x3FFF,
                     littleEndian(b, 28, 2) & 0x3FFF);
    }
    if (startsWith(b, 12, "VP8L")) {
        const std::uint32_t bits = littleEndian(b, 21, 4);
        return sized(ImageFormat::WebP, (bits & 0x3FFF) + 1, ((bits >> 14) & 0x3FFF) + 1);
    }
    if (startsWith(b, 12, "VP8X")) {
        return sized(ImageFormat::WebP, littleEndian(b, 24, 3) + 1, littleEndian(b, 27, 3) + 1);
    }
    return std::nullopt;
}

} // namespace

std::optional<ImageFileSize> readImageFileSize(std::span<const unsigned char> bytes) {
    if (startsWith(bytes, 0, "\x89PNG\r\n\x1a\n")) {
        return png(bytes);
    }
    if (startsWith(bytes, 0, "\xFF\xD8")) {
        return jpeg(bytes);
    }
    if (startsWith(bytes, 0, "GIF87a") || startsWith(bytes, 0, "GIF89a")) {
        return gif(bytes);
    }
    if (startsWith(bytes, 0, "BM")) {
        return bmp(bytes);
    }
    if (bytes.size() >= 8 && (std::memcmp(bytes.data(), "II*\0", 4) == 0 ||
                              std::memcmp(bytes.data(), "MM\0*", 4) == 0)) {
        return tiff(bytes);
    }
    if (startsWith(bytes, 0, "RIFF") && startsWith(bytes, 8, "WEBP")) {
        return webp(bytes);
    }
    if (const std::optional<SvgSize> svg = readSvgSize(bytes)) {
        return sized(ImageFormat::Svg, svg->width, svg->height);
    }
    return std::nullopt;
}

bool isDecodableWhole(std::uint32_t width, std::uint32_t height) {
    return width <= kLargestPictureSide && height <= kLargestPictureSide &&
           std::uint64_t{width} * height <= kLargestPicturePixels;
}

bool isDecodableSize(const ImageFileSize& size) {
    if (size.format == ImageFormat::Jpeg) {
        return size.width <= kLargestPictureSide && size.height <= kLargestPictureSide &&
               std::uint64_t{size.width} * size.height <= kLargestPhotoPixels;
    }
    return isDecodableWhole(size.width, size.height);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/pictures/ExifOrientation.h"

#include <cstdint>
#include <cstring>
#include <optional>

namespace {

constexpr std::uint32_t kOrientationTag = 0x0112;
constexpr std::uint32_t kShortType = 3;
constexpr std::size_t kEntryBytes = 12;

// The TIFF structure after the segment's "Exif" name, its numbers in the byte order it declares.
class TiffBytes {
public:
    explicit TiffBytes(std::span<const unsigned char> bytes)
        : bytes_(bytes), little_(bytes.size() >= 2 && bytes[0] == 'I') {}

    bool holds(std::size_t at, std::size_t count) const {
        return at <= bytes_.size() && count <= bytes_.size() - at;
    }

    // A number of `count` (at most 4) bytes at `at`; nothing past the end.
    std::optional<std::uint32_t> number(std::size_t at, std::size_t count) const {
        if (!holds(at, count)) {
            return std::nullopt;
        }
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < count; ++i) {
            value = value << 8 | bytes_[at + (little_ ? count - 1 - i : i)];
        }
        return value;
    }

private:
    std::span<const unsigned char> bytes_;
    bool little_;
};

bool startsWith(std::span<const unsigned char> bytes, const char* text, std::size_t length) {
    return bytes.size() >= length && std::memcmp(bytes.data(), text, length) == 0;
}

PictureOrientation orientationOf(std::uint32_t value) {
    if (value < 1 || value > 8) {
        return PictureOrientation::Upright;
    }
    return static_cast<PictureOrientation>(value);
}

} // namespace

PictureOrientation readExifOrientation(std::span<const unsigned char> segment) {
    if (!startsWith(segment, "Exif\0\0", 6)) {
        return PictureOrientation::Upright;
    }
    const std::span<const unsigned char> tiff = segment.subspan(6);
    if (!startsWith(tiff, "II*\0", 4) && !startsWith(tiff, "MM\0*", 4)) {
        return PictureOrientation::Upright;
    }
    const TiffBytes numbers(tiff);
    const std::optional<std::uint32_t> directory = numbers.number(4, 4);
    const std::optional<std::uint32_t> entries =
        directory && *directory >= 8 ? numbers.number(*directory, 2) : std::nullopt;
    if (!entries) {
        return PictureOrientation::Upright;
    }
    for (std::uint32_t i = 0; i < *entries; ++i) {
        const std::size_t entry = *directory + 2 + std::size_t{i} * kEntryBytes;
        if (!numbers.holds(entry, kEntryBytes)) {
            break; // the directory runs past the segment
        }
        const std::optional<std::uint32_t> tag = numbers.number(entry, 2);
        if (*tag == kOrientationTag) {
            const bool oneShort =
                numbers.number(entry + 2, 2) == kShortType && numbers.number(entry + 4, 4) == 1;
            return oneShort ? orientationOf(*numbers.number(entry + 8, 2))
                            : PictureOrientation::Upright;
        }
    }
    return PictureOrientation::Upright;
}

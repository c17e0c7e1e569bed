// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/pictures/PictureRefusal.h"

#include "common/pictures/ImageFileSize.h"

#include <cstring>
#include <optional>
#include <utility>

namespace {

using Bytes = std::span<const unsigned char>;

bool holdsAt(Bytes bytes, std::size_t at, std::string_view text) {
    return at + text.size() <= bytes.size() &&
           std::memcmp(bytes.data() + at, text.data(), text.size()) == 0;
}

// Pictures in the ISO media file layout name their kind in the brand of their first box.
std::optional<std::string_view> mediaFileFormat(Bytes bytes) {
    if (!holdsAt(bytes, 4, "ftyp")) {
        return std::nullopt;
    }
    constexpr std::pair<std::string_view, std::string_view> brands[] = {
        {"heic", "HEIC"}, {"heix", "HEIC"}, {"heim", "HEIC"}, {"heis", "HEIC"}, {"hevc", "HEIC"},
        {"hevx", "HEIC"}, {"mif1", "HEIF"}, {"msf1", "HEIF"}, {"avif", "AVIF"}, {"avis", "AVIF"},
    };
    for (const auto& [brand, name] : brands) {
        if (holdsAt(bytes, 8, brand)) {
            return name;
        }
    }
    return std::nullopt;
}

// Picture formats that people meet and the programs do not decode, by their first bytes.
std::optional<std::string_view> unshownFormat(Bytes bytes) {
    if (const std::optional<std::string_view> media = mediaFileFormat(bytes)) {
        return media;
    }
    constexpr std::pair<std::string_view, std::string_view> signatures[] = {
        {{"\xFF\x0A", 2}, "JPEG XL"},
        {{"\0\0\0\x0CJXL \r\n\x87\n", 12}, "JPEG XL"},
        {{"\0\0\0\x0CjP  \r\n\x87\n", 12}, "JPEG 2000"},
        {{"\xFF\x4F\xFF\x51", 4}, "JPEG 2000"},
        {"8BPS", "Photoshop"},
    };
    for (const auto& [signature, name] : signatures) {
        if (holdsAt(bytes, 0, signature)) {
            return name;
        }
    }
    return std::nullopt;
}

} // namespace

PictureRefusal pictureRefusal(std::span<const unsigned char> bytes) {
    if (const std::optional<ImageFileSize> size = readImageFileSize(bytes)) {
        if (!isDecodableSize(*size)) {
            return {PictureRefusalCause::TooLarge, {}, size->uprightWidth(), size->uprightHeight()};
        }
        return {PictureRefusalCause::NotAPicture, {}};
    }
    if (const std::optional<std::string_view> format = unshownFormat(bytes)) {
        return {PictureRefusalCause::FormatNotShown, *format};
    }
    return {PictureRefusalCause::NotAPicture, {}};
}

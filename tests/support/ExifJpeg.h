// SPDX-License-Identifier: GPL-3.0-or-later
// Photos as cameras store them: camera metadata (EXIF) recording which way up a JPEG stands, sound
// or damaged, and JPEG headers declaring any size.
#pragma once

#include <cstdint>
#include <string>

// A JPEG APP1 segment of camera metadata whose first directory, at `directory`, claims `entries`
// entries and holds one, `tag` (the orientation's unless given) of `type` (3, SHORT) with the
// value `orientation`; the link to a next directory points back at this one.
inline std::string exifSegment(std::uint32_t orientation, bool little = false,
                               std::uint32_t directory = 8, std::uint32_t entries = 1,
                               std::uint32_t type = 3, std::uint32_t tag = 0x0112) {
    const auto number = [little](std::uint32_t value, int bytes) {
        std::string out;
        for (int i = 0; i < bytes; ++i) {
            const int shift = 8 * (little ? i : bytes - 1 - i);
            out.push_back(static_cast<char>(value >> shift));
        }
        return out;
    };
    const std::string contents =
        std::string("Exif\0\0", 6) + std::string(little ? "II*\0" : "MM\0*", 4) +
        number(directory, 4) + number(entries, 2) + number(tag, 2) + number(type, 2) +
        number(1, 4) + number(orientation, 2) + number(0, 2) + number(8, 4);
    const auto length = static_cast<std::uint32_t>(contents.size() + 2);
    return std::string("\xFF\xE1", 2) + static_cast<char>(length >> 8) +
           static_cast<char>(length & 0xFF) + contents;
}

// `jpeg` with `segment` right after its start marker.
inline std::string withSegment(std::string jpeg, const std::string& segment) {
    return jpeg.insert(2, segment);
}

// The start of a JPEG declaring `width` x `height` in its frame header, without picture data.
inline std::string jpegDeclaring(std::uint32_t width, std::uint32_t height) {
    const auto two = [](std::uint32_t value) {
        return std::string{static_cast<char>(value >> 8), static_cast<char>(value & 0xFF)};
    };
    return std::string("\xFF\xD8\xFF\xC0\x00\x0B\x08", 7) + two(height) + two(width) +
           std::string("\x01\x01\x11\x00", 4);
}

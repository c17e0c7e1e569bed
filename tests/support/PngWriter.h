// SPDX-License-Identifier: GPL-3.0-or-later
// Makes real PNG files of any pixel size without holding the picture in memory: the rows are
// streamed through zlib, so a picture of 10000 x 10000 pixels takes a second and a megabyte.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>
#include <zlib.h>

namespace png {

inline void putBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
}

inline std::string chunk(const char* type, const std::string& data) {
    std::string out;
    putBigEndian(out, static_cast<std::uint32_t>(data.size()));
    std::string body = std::string(type, 4) + data;
    out += body;
    const auto crc =
        crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()));
    putBigEndian(out, static_cast<std::uint32_t>(crc));
    return out;
}

// An 8-bit RGB picture whose every row is the same, column x in colour `rgbOfColumn(x)`
// (0xRRGGBB), as PNG bytes.
template <typename ColumnColour>
std::string columnsRgb(std::uint32_t width, std::uint32_t height, ColumnColour rgbOfColumn) {
    std::string header;
    putBigEndian(header, width);
    putBigEndian(header, height);
    header +=
        std::string("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB, deflate, no filter, no interlace
    std::vector<unsigned char> row(1 + std::size_t{width} * 3);
    row[0] = 0; // filter: none
    for (std::uint32_t x = 0; x < width; ++x) {
        const std::uint32_t rgb = rgbOfColumn(x);
        row[1 + std::size_t{x} * 3] = static_cast<unsigned char>(rgb >> 16);
        row[2 + std::size_t{x} * 3] = static_cast<unsigned char>(rgb >> 8);
        row[3 + std::size_t{x} * 3] = static_cast<unsigned char>(rgb);
    }
    z_stream stream{};
    if (deflateInit(&stream, Z_BEST_SPEED) != Z_OK) {
        throw std::runtime_error("zlib");
    }
    std::string compressed;
    std::vector<unsigned char> out(1 << 16);
    for (std::uint32_t y = 0; y <= height; ++y) {
        const bool last = y == height;
        stream.next_in = last ? nullptr : row.data();
        stream.avail_in = last ? 0 : static_cast<uInt>(row.size());
        do {
            stream.next_out = out.data();
            stream.avail_out = static_cast<uInt>(out.size());
            deflate(&stream, last ? Z_FINISH : Z_NO_FLUSH);
            compressed.append(reinterpret_cast<const char*>(out.data()),
                              out.size() - stream.avail_out);
        } while (stream.avail_out == 0);
    }
    deflateEnd(&stream);
    return std::string("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", compressed) +
           chunk("IEND", "");
}

// An 8-bit RGB picture, every pixel `rgb` (0xRRGGBB), as PNG bytes.
inline std::string solidRgb(std::uint32_t width, std::uint32_t height, std::uint32_t rgb) {
    return columnsRgb(width, height, [rgb](std::uint32_t) { return rgb; });
}

} // namespace png

// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the format and pixel size an image file declares in its header, without decoding the
// picture, so that a file whose picture would take gigabytes to decode can be turned away first.
// Knows the formats a content folder is expected to hold: PNG, JPEG, GIF, BMP, TIFF, WebP and SVG.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

enum class ImageFormat { Png, Jpeg, Gif, Bmp, Tiff, WebP, Svg };

struct ImageFileSize {
    ImageFormat format;
    std::uint32_t width;
    std::uint32_t height;
};

// Nothing for a file of another format, or whose header is cut short or declares no size. For a
// GIF the larger of the canvas and the first frame, since the decoder allocates either. For an SVG
// the width and height of its outer element in pixels at 96 per inch (rounded up), each taken from
// its view box when not given as a length; an SVG that declares neither has no size.
std::optional<ImageFileSize> readImageFileSize(std::span<const unsigned char> bytes);

// Whether a picture of this size is one the programs decode: at most 16384 pixels a side and
// 25 million in all. A 24-megapixel camera photo still loads, while one of 10000 x 10000 pixels,
// which would take over a gigabyte and seconds to decode, is turned away like an unreadable file.
bool isDecodableSize(const ImageFileSize& size);

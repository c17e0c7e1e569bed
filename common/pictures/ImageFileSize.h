// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the format and pixel size an image file declares in its header, without decoding the
// picture, so that a file whose picture would take gigabytes to decode can be turned away first.
// Knows the formats a content folder is expected to hold: PNG, JPEG, GIF, BMP, TIFF, WebP and SVG,
// and which way up a JPEG photo stands.
#pragma once

#include "common/pictures/PictureOrientation.h"

#include <cstdint>
#include <optional>
#include <span>

enum class ImageFormat { Png, Jpeg, Gif, Bmp, Tiff, WebP, Svg };

struct ImageFileSize {
    ImageFormat format;
    // As stored, before the picture is turned upright.
    std::uint32_t width;
    std::uint32_t height;
    PictureOrientation orientation = PictureOrientation::Upright;

    // The size the picture is laid out and drawn at, standing upright.
    std::uint32_t uprightWidth() const { return swapsSides(orientation) ? height : width; }
    std::uint32_t uprightHeight() const { return swapsSides(orientation) ? width : height; }
};

// Nothing for a file of another format, or whose header is cut short or declares no size. For a
// GIF the larger of the canvas and the first frame, since the decoder allocates either. For an SVG
// the width and height of its outer element in pixels at 96 per inch (rounded up), each taken from
// its view box when not given as a length; an SVG that declares neither has no size. A JPEG's
// orientation comes from its camera metadata, read before its size; every other picture is
// upright.
std::optional<ImageFileSize> readImageFileSize(std::span<const unsigned char> bytes);

// Whether a picture of this size may be decoded whole: at most 16384 pixels a side and 25 million
// in all. One of 10000 x 10000 pixels would take over a gigabyte and seconds to decode.
bool isDecodableWhole(std::uint32_t width, std::uint32_t height);

// Whether a picture of this size is one the programs show: one decoded whole, or a JPEG photo of
// up to 16384 pixels a side and kLargestPhotoPixels in all, which both programs decode straight
// at a fraction of its size no larger than it is drawn (see isDecodableWhole for what that
// fraction may be). Other pictures are turned away like an unreadable file.
bool isDecodableSize(const ImageFileSize& size);

// The largest JPEG shown, in pixels: room for the 48- and 50-megapixel photos of phones and
// cameras. Decoded at an eighth, a quarter or a half of its size, it costs little more memory than
// the picture drawn.
constexpr std::uint64_t kLargestPhotoPixels = 60'000'000;
// What isDecodableWhole allows, for the messages that name the limits.
constexpr std::uint32_t kLargestPictureSide = 16'384;
constexpr std::uint64_t kLargestPicturePixels = 25'000'000;

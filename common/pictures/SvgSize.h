// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the size an SVG file declares on its outer element, without drawing it, for the picture
// header reader: SVG is text, so its size is found by reading the markup rather than fixed bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

struct SvgSize {
    std::uint32_t width;
    std::uint32_t height;
};

// Nothing when the bytes are no SVG (markup whose outer element is `svg`, found within its first
// 64 KiB after a byte-order mark, white space, declarations and comments), or when its element is
// cut short. Otherwise the width and height in pixels at 96 per inch, rounded up, each taken from
// the view box when not given as a length; a side that is not positive is 0. An SVG that declares
// neither a length nor a view box has no size.
std::optional<SvgSize> readSvgSize(std::span<const unsigned char> bytes);

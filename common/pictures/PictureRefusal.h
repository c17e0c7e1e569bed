// SPDX-License-Identifier: GPL-3.0-or-later
// Tells why a file holds no picture the programs show, so that the adult who chose it learns what
// to do: save a photo smaller, save a picture of another format in one that is shown, or look for
// the right file. Known from the file's first bytes alone.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

enum class PictureRefusalCause {
    NotAPicture,    // no picture of any format known here, or one too damaged to decode
    FormatNotShown, // a picture of a format recognised but not decoded (a phone's HEIC photo)
    TooLarge,       // more pixels than are decoded (isDecodableSize)
};

struct PictureRefusal {
    PictureRefusalCause cause;
    std::string_view format;  // for FormatNotShown: the format's usual name
    std::uint32_t width = 0;  // for TooLarge: the size the picture declares, upright
    std::uint32_t height = 0; //
};

// Why a file beginning with `bytes` was not shown, given that it was not. A file whose header
// declares a size that is decoded, which must then have failed to decode, is NotAPicture.
PictureRefusal pictureRefusal(std::span<const unsigned char> bytes);

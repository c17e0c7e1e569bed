// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a picture file for decoding, checking its size on disk and the pixel size its header
// declares before the file is read whole, so that neither a file of gigabytes nor a picture that
// would decode to gigabytes costs more than a glance.
#pragma once

#include "common/files/FileSystem.h"
#include "common/pictures/ImageFileSize.h"

#include <cstddef>
#include <optional>
#include <vector>

struct PictureFile {
    ImageFileSize size;
    std::vector<unsigned char> bytes;
};

// Room for the largest picture that is decoded (25 million pixels) stored without compression,
// four bytes a pixel, with its metadata; no picture file worth showing is larger.
constexpr std::size_t kLargestPictureFileBytes = 128u << 20;

// The whole file with the size its header declares; nothing when it cannot be read, is larger
// than kLargestPictureFileBytes, is no picture of a known format, or declares a size that is not
// decoded (isDecodableSize).
std::optional<PictureFile> readPictureFile(InputStream& input);

// readPictureFile in two steps, so that the rest of a large file may be read elsewhere once its
// start has told its size: the start of the file, enough for nearly every header.
struct PictureStart {
    std::vector<unsigned char> bytes;
    // The size the start declares; none when the header lies further on or is not known.
    std::optional<ImageFileSize> declared;
    // The file ended within its start.
    bool whole = false;
};
// Nothing when the file cannot be read, is larger than kLargestPictureFileBytes, or declares a
// size that is not decoded.
std::optional<PictureStart> readPictureStart(InputStream& input);
// The rest after `start`, then as readPictureFile.
std::optional<PictureFile> readPictureRest(InputStream& input, PictureStart start);

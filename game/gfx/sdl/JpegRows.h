// SPDX-License-Identifier: GPL-3.0-or-later
// Runs one JPEG decoding into an ARGB8888 surface for the decoders that need more than SDL_image
// gives (a picture in printing inks, a picture decoded at a fraction of its size), and keeps
// libjpeg's way of ending on an error, a jump back to the start, in one place.
#pragma once

#include "game/gfx/sdl/GraphicsHandles.h"

#include <cstdio> // jpeglib.h needs FILE declared first
#include <jpeglib.h>
#include <optional>
#include <span>

// What one kind of decoding does with the header and with each row of samples. Neither call may
// call into libjpeg, whose errors jump back over the frames between.
class JpegRows {
public:
    virtual ~JpegRows() = default;
    // Whether this decoding takes the picture; if it does, it sets the output colour space and
    // scale.
    virtual bool take(jpeg_decompress_struct& info) = 0;
    // Writes one row of `info.output_width` pixels from its samples.
    virtual void convert(const jpeg_decompress_struct& info, const JSAMPLE* samples,
                         Uint32* pixels) = 0;
};

// Nothing when `rows` does not take the picture; an empty surface when it does but the bytes
// cannot be decoded; otherwise the picture.
std::optional<SurfacePtr> decodeJpegRows(std::span<const unsigned char> bytes, JpegRows& rows);

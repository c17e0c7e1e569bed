// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/sdl/CmykJpeg.h"

#include "game/gfx/sdl/JpegRows.h"

namespace {

// One ink's share of a screen colour. Adobe programs, and so most CMYK files, store inks
// inverted (255 for no ink).
Uint32 screenShare(unsigned ink, unsigned black, bool inverted) {
    return inverted ? ink * black / 255 : (255 - ink) * (255 - black) / 255;
}

// Takes four-channel pictures and mixes their inks into screen colours.
class InkRows final : public JpegRows {
public:
    bool take(jpeg_decompress_struct& info) override {
        if (info.num_components != 4 ||
            (info.jpeg_color_space != JCS_CMYK && info.jpeg_color_space != JCS_YCCK)) {
            return false;
        }
        info.out_color_space = JCS_CMYK; // libjpeg turns YCCK into CMYK
        return true;
    }

    void convert(const jpeg_decompress_struct& info, const JSAMPLE* inks, Uint32* pixel) override {
        const bool inverted = info.saw_Adobe_marker != 0;
        for (JDIMENSION x = 0; x < info.output_width; ++x, inks += 4) {
            const unsigned black = inks[3];
            pixel[x] = 0xFF000000u | screenShare(inks[0], black, inverted) << 16 |
                       screenShare(inks[1], black, inverted) << 8 |
                       screenShare(inks[2], black, inverted);
        }
    }
};

} // namespace

std::optional<SurfacePtr> decodeCmykJpeg(std::span<const unsigned char> bytes) {
    InkRows rows;
    return decodeJpegRows(bytes, rows);
}

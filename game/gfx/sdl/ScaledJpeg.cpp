// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/sdl/ScaledJpeg.h"

#include "game/gfx/sdl/JpegRows.h"

namespace {

// Takes pictures of one or three channels, as RGB at 1 / `divisor` of their size.
class DividedRows final : public JpegRows {
public:
    explicit DividedRows(int divisor) : divisor_(divisor) {}

    bool take(jpeg_decompress_struct& info) override {
        if (info.num_components != 1 && info.num_components != 3) {
            return false;
        }
        info.out_color_space = JCS_RGB;
        info.scale_num = 1;
        info.scale_denom = static_cast<unsigned>(divisor_);
        return true;
    }

    void convert(const jpeg_decompress_struct& info, const JSAMPLE* rgb, Uint32* pixel) override {
        for (JDIMENSION x = 0; x < info.output_width; ++x, rgb += 3) {
            pixel[x] = 0xFF000000u | Uint32{rgb[0]} << 16 | Uint32{rgb[1]} << 8 | rgb[2];
        }
    }

private:
    int divisor_;
};

int dividedUp(int side, int divisor) {
    return (side + divisor - 1) / divisor;
}

} // namespace

int jpegScaleDivisor(int width, int height, int leastWidth, int leastHeight) {
    for (const int divisor : {8, 4, 2}) {
        if (dividedUp(width, divisor) >= leastWidth && dividedUp(height, divisor) >= leastHeight) {
            return divisor;
        }
    }
    return 1;
}

std::optional<SurfacePtr> decodeJpegDivided(std::span<const unsigned char> bytes, int divisor) {
    DividedRows rows(divisor);
    return decodeJpegRows(bytes, rows);
}

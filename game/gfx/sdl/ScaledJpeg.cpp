// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/sdl/ScaledJpeg.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE declared first
#include <jpeglib.h>

namespace {

// libjpeg ends on an error by calling error_exit, which must not return: it jumps back to the
// decoding's start instead.
struct JpegFailure {
    jpeg_error_mgr manager; // first, so libjpeg's pointer to it points at the whole
    std::jmp_buf jump;
};

[[noreturn]] void jumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegFailure*>(info->err)->jump, 1);
}

void stayQuiet(j_common_ptr) {}

// Everything the decoding changes lives here, outside the frame that calls setjmp, so that its
// values hold after libjpeg jumps back; that frame holds nothing that needs destroying.
struct Decoding {
    jpeg_decompress_struct info{};
    JpegFailure failure{};
    SDL_Surface* surface = nullptr;
    bool taken = false;
};

bool decode(Decoding& d, std::span<const unsigned char> bytes, int divisor) {
    if (setjmp(d.failure.jump) != 0) {
        return false;
    }
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&d.info, TRUE);
    d.taken = d.info.num_components == 1 || d.info.num_components == 3;
    if (!d.taken) {
        return false;
    }
    d.info.out_color_space = JCS_RGB;
    d.info.scale_num = 1;
    d.info.scale_denom = static_cast<unsigned>(divisor);
    jpeg_start_decompress(&d.info);
    const JDIMENSION width = d.info.output_width;
    d.surface = SDL_CreateRGBSurfaceWithFormat(0, static_cast<int>(width),
                                               static_cast<int>(d.info.output_height), 32,
                                               SDL_PIXELFORMAT_ARGB8888);
    if (d.surface == nullptr) {
        return false;
    }
    // Freed by libjpeg with the rest of the decoding's memory.
    JSAMPARRAY row = (*d.info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&d.info),
                                                 JPOOL_IMAGE, width * 3, 1);
    while (d.info.output_scanline < d.info.output_height) {
        const JDIMENSION y = d.info.output_scanline;
        if (jpeg_read_scanlines(&d.info, row, 1) != 1) {
            return false;
        }
        auto* pixel = reinterpret_cast<Uint32*>(static_cast<unsigned char*>(d.surface->pixels) +
                                                static_cast<std::size_t>(y) * d.surface->pitch);
        const JSAMPLE* rgb = row[0];
        for (JDIMENSION x = 0; x < width; ++x, rgb += 3) {
            pixel[x] = 0xFF000000u | Uint32{rgb[0]} << 16 | Uint32{rgb[1]} << 8 | rgb[2];
        }
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

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
    Decoding d;
    d.info.err = jpeg_std_error(&d.failure.manager);
    d.failure.manager.error_exit = jumpBack;
    d.failure.manager.output_message = stayQuiet; // warnings about damaged data
    const bool decoded = decode(d, bytes, divisor);
    jpeg_destroy_decompress(&d.info);
    SurfacePtr surface(d.surface);
    if (!d.taken) {
        return std::nullopt;
    }
    if (!decoded) {
        surface.reset();
    }
    return surface;
}

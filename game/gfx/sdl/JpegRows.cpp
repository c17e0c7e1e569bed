// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/sdl/JpegRows.h"

#include <csetjmp>

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

bool decode(Decoding& d, std::span<const unsigned char> bytes, JpegRows& rows) {
    if (setjmp(d.failure.jump) != 0) {
        return false;
    }
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&d.info, TRUE);
    d.taken = rows.take(d.info);
    if (!d.taken) {
        return false;
    }
    jpeg_start_decompress(&d.info);
    const JDIMENSION width = d.info.output_width;
    d.surface = SDL_CreateRGBSurfaceWithFormat(0, static_cast<int>(width),
                                               static_cast<int>(d.info.output_height), 32,
                                               SDL_PIXELFORMAT_ARGB8888);
    if (d.surface == nullptr) {
        return false;
    }
    // Freed by libjpeg with the rest of the decoding's memory.
    JSAMPARRAY row =
        (*d.info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&d.info), JPOOL_IMAGE,
                                    width * static_cast<JDIMENSION>(d.info.output_components), 1);
    while (d.info.output_scanline < d.info.output_height) {
        const JDIMENSION y = d.info.output_scanline;
        if (jpeg_read_scanlines(&d.info, row, 1) != 1) {
            return false;
        }
        rows.convert(d.info, row[0],
                     reinterpret_cast<Uint32*>(static_cast<unsigned char*>(d.surface->pixels) +
                                               static_cast<std::size_t>(y) * d.surface->pitch));
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

} // namespace

std::optional<SurfacePtr> decodeJpegRows(std::span<const unsigned char> bytes, JpegRows& rows) {
    Decoding d;
    d.info.err = jpeg_std_error(&d.failure.manager);
    d.failure.manager.error_exit = jumpBack;
    d.failure.manager.output_message = stayQuiet; // warnings about damaged data
    const bool decoded = decode(d, bytes, rows);
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

// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a picture file's start: reading the size its header declares stays within the
// bytes, and a size it gives is never empty. The bytes are copied to a block of exactly their
// length so that a read one past the end is caught.
#include "common/pictures/ImageFileSize.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<unsigned char> bytes(data, data + size);
    const std::optional<ImageFileSize> found = readImageFileSize(bytes);
    if (found && (found->width == 0 || found->height == 0)) {
        std::abort();
    }
    return 0;
}

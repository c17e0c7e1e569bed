// SPDX-License-Identifier: GPL-3.0-or-later
#include "WholeFile.h"

#include <algorithm>
#include <cerrno>

namespace {

constexpr std::size_t kReadBlock = 64u << 10;

} // namespace

bool readInto(InputStream& input, std::vector<unsigned char>& bytes, std::size_t upTo,
              std::uint32_t& error) {
    while (bytes.size() < upTo) {
        const std::size_t used = bytes.size();
        const std::size_t wanted = std::min(kReadBlock, upTo - used);
        bytes.resize(used + wanted);
        const std::ptrdiff_t got = input.read(bytes.data() + used, wanted, error);
        bytes.resize(used + static_cast<std::size_t>(std::max<std::ptrdiff_t>(got, 0)));
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            break;
        }
    }
    return true;
}

bool readWholeFile(InputStream& input, std::size_t limit, std::vector<unsigned char>& bytes,
                   std::uint32_t& error) {
    bytes.clear();
    const std::uint64_t size = input.size();
    if (size > limit) {
        error = EFBIG;
        return false;
    }
    bytes.reserve(static_cast<std::size_t>(size));
    // One byte more than allowed tells a file that grew past the limit since it was measured.
    if (!readInto(input, bytes, limit + 1, error)) {
        return false;
    }
    if (bytes.size() > limit) {
        bytes.clear();
        error = EFBIG;
        return false;
    }
    return true;
}

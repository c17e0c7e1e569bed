// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a file into memory for the decoders that take a file at once (pictures, sounds),
// bounded, so that a file of gigabytes costs neither the memory nor the time to read it.
#pragma once

#include "common/files/FileSystem.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Appends what follows in `input` to `bytes` until `bytes` holds `upTo` bytes or the file ends.
// False, with `error` set, when the disk fails.
bool readInto(InputStream& input, std::vector<unsigned char>& bytes, std::size_t upTo,
              std::uint32_t& error);

// The whole of `input` into `bytes`. False, with `error` set, when the disk fails or the file is
// larger than `limit` bytes (EFBIG, told by its size before anything is read).
bool readWholeFile(InputStream& input, std::size_t limit, std::vector<unsigned char>& bytes,
                   std::uint32_t& error);

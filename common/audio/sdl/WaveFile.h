// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding of a wave file from the content folder into a chunk the mixer can play. The file is
// read through the file layer, so Windows-style names resolve and a failing disk only means
// silence.
#pragma once

#include "common/audio/sdl/MixChunk.h"
#include "common/files/FileSystem.h"

#include <string_view>

// Null unless `path` names a RIFF wave file with at least one sample frame that SDL_mixer can
// decode, and that takes no more memory decoded than the largest file read (128 MB). Needs the
// mixer device open.
ChunkPtr loadWave(const FileSystem& files, std::u16string_view path);

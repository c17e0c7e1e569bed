// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding of a sound file from the content folder into a chunk the mixer can play: a wave file,
// or an Ogg Vorbis, Opus, MP3 or FLAC file through SDL_mixer's decoders. The file is read through
// the file layer, so Windows-style names resolve and a failing disk only means silence.
#pragma once

#include "common/audio/sdl/MixChunk.h"
#include "common/files/FileSystem.h"

#include <string_view>

// Null unless `path` names a sound file of a kind that plays (SoundFormat) with at least one
// sample frame that SDL_mixer can decode, and that takes no more memory decoded than the largest
// file read (128 MB). Needs the mixer device open.
ChunkPtr loadSound(const FileSystem& files, std::u16string_view path);

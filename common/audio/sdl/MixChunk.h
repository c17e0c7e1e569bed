// SPDX-License-Identifier: GPL-3.0-or-later
// One owner for each sound SDL_mixer has decoded. Freeing a chunk makes SDL_mixer halt any
// channel still playing it, so an owner that goes away silences its sound instead of leaving the
// mixer reading freed memory.
#pragma once

#include <memory>

struct Mix_Chunk;

struct ChunkDeleter {
    void operator()(Mix_Chunk* chunk) const;
};

using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkDeleter>;
// A decoded sound with several holders: the sound cache and whatever plays it. It is freed (and
// silenced) when the last of them lets go.
using SharedChunk = std::shared_ptr<Mix_Chunk>;

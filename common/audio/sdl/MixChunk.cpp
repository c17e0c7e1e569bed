// SPDX-License-Identifier: GPL-3.0-or-later
#include "MixChunk.h"

#include <SDL_mixer.h>

void ChunkDeleter::operator()(Mix_Chunk* chunk) const {
    Mix_FreeChunk(chunk);
}

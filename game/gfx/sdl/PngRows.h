// SPDX-License-Identifier: GPL-3.0-or-later
// Decodes a PNG a row at a time straight into the size the game keeps of it: no copy of the
// picture at its full size is ever made, so a large photo saved as PNG costs the time its
// decompression takes and the memory of what is kept.
#pragma once

#include "game/gfx/sdl/GraphicsHandles.h"

#include <optional>
#include <span>

// Nothing when the bytes are an interlaced PNG (its rows come in passes: the usual decoder takes
// it whole); an empty surface when they cannot be decoded as a PNG; otherwise the picture in
// ARGB8888 at `width` x `height`, which are no larger than its own size, a transparent colour of
// its palette as transparency.
std::optional<SurfacePtr> decodePngAt(std::span<const unsigned char> bytes, int width, int height);

// SPDX-License-Identifier: GPL-3.0-or-later
// Decodes JPEG pictures stored in printing inks (CMYK, or YCCK as Adobe programs save them) into
// opaque screen colours, which SDL_image would show as washed-out, half-transparent pixels.
#pragma once

#include "game/gfx/sdl/GraphicsHandles.h"

#include <optional>
#include <span>

// Nothing when the bytes are not a four-channel JPEG, so that the usual decoder takes them; an
// empty surface when they are one that cannot be decoded; otherwise the picture in ARGB8888.
std::optional<SurfacePtr> decodeCmykJpeg(std::span<const unsigned char> bytes);

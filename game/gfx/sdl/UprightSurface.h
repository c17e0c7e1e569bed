// SPDX-License-Identifier: GPL-3.0-or-later
// Turns a decoded photo's pixels the way its camera recorded, so that the game keeps and draws it
// standing upright.
#pragma once

#include "common/pictures/PictureOrientation.h"
#include "game/gfx/sdl/GraphicsHandles.h"

// `pixels` (ARGB8888) itself when upright, else a turned copy; null when the copy cannot be made.
SurfacePtr uprightSurface(SurfacePtr pixels, PictureOrientation orientation);

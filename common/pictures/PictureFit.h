// SPDX-License-Identifier: GPL-3.0-or-later
// Fits a picture into the box it is shown in without changing its shape: whole, as large as the
// box allows, centred, the rest of the box left to what is behind it.
#pragma once

#include "common/pictures/RectF.h"

// The rectangle inside `box` that a picture of the given pixel size fills. A picture of the box's
// own shape, or within a pixel of it, fills the box exactly; one without a size gets the box.
RectF fitInside(int pictureWidth, int pictureHeight, RectF box);

// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the one piece of a photo's camera metadata (EXIF) that changes how it is shown: which way
// up it stands. The metadata is a small TIFF structure inside a JPEG segment, written by whatever
// made the file, so every offset in it is checked against the segment before it is followed.
#pragma once

#include "common/pictures/PictureOrientation.h"

#include <span>

// The orientation that the contents of a JPEG APP1 segment (after its length) record, in either
// byte order; Upright when the segment is no camera metadata, holds no orientation, or holds one
// that is damaged or out of range. Only the first directory is read, where the orientation lives,
// so no chain of directories is followed and none can loop.
PictureOrientation readExifOrientation(std::span<const unsigned char> segment);

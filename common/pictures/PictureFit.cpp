// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/pictures/PictureFit.h"

#include <algorithm>

RectF fitInside(int pictureWidth, int pictureHeight, RectF box) {
    if (pictureWidth <= 0 || pictureHeight <= 0 || !(box.width > 0) || !(box.height > 0)) {
        return box;
    }
    const float scale = std::min(box.width / static_cast<float>(pictureWidth),
                                 box.height / static_cast<float>(pictureHeight));
    const float width = static_cast<float>(pictureWidth) * scale;
    const float height = static_cast<float>(pictureHeight) * scale;
    // A picture a rounding away from the box's shape is drawn as it always was.
    if (box.width - width < 1.0f && box.height - height < 1.0f) {
        return box;
    }
    return RectF{box.x + (box.width - width) / 2.0f, box.y + (box.height - height) / 2.0f, width,
                 height};
}

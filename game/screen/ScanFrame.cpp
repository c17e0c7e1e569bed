// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScanFrame.h"

void drawBoldScanFrame(Graphics& target, const Picture& item, const AccessSettings& access) {
    if (!item.hover || !usesBoldScanFrame(access)) {
        return;
    }
    // The pen is centred on the rectangle's edge: half its width outside the item.
    const auto width = static_cast<float>(access.scanFrameWidth);
    target.drawRectangle(
        RectF{item.x - width / 2, item.y - width / 2, item.width + width, item.height + width},
        access.scanFrameColour, width);
}

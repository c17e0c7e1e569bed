// SPDX-License-Identifier: GPL-3.0-or-later
// The bold scan frame for children with low vision: a frame of the adult's width and colour
// around the item the pointer is on, drawn by the scanning screens in place of the item's own
// hover frame.
#pragma once

#include "common/content/AccessSettings.h"
#include "game/gfx/Graphics.h"
#include "game/gfx/Picture.h"

// True when the adult asked for the bold frame; the screens' own frames are drawn otherwise.
inline bool usesBoldScanFrame(const AccessSettings& access) {
    return access.scanFrameWidth > 0;
}

// While the pointer is over `item`, draws the bold frame just outside its set size: the frame's
// inner edge lies on the item's edge, so none of the item is covered.
void drawBoldScanFrame(Graphics& target, const Picture& item, const AccessSettings& access);

// SPDX-License-Identifier: GPL-3.0-or-later
// A rectangle in float pixels, top-left corner and size: where a picture or a text is placed, in
// the game's 800 x 600 frame or in the editor's preview of it.
#pragma once

struct RectF {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
};

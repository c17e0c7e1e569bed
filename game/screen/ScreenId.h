// SPDX-License-Identifier: GPL-3.0-or-later
// The screens of the game: the menu, the six activities numbered by their place in the menu, and
// the options screen. The numbers also index the settings kept per activity.
#pragma once

enum ScreenId : int {
    MenuId = 0,
    RingsId = 1,
    ShapesId = 2,
    FindImagesId = 3,
    PaintId = 4,
    PictureWordId = 5,
    MovingPictureId = 6,
    OptionsId = 7,
};

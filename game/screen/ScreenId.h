// Which screen comes next. A screen's update returns Stay while it stays; any other id makes the
// screen factory destroy it and build that one (or end the game).
#pragma once

enum ScreenId : int {
    MenuId = 0,
    // 1 to 6: the activities, numbered by their place in the menu
    RingsId = 1,
    ShapesId = 2,
    FindImagesId = 3,
    PaintId = 4,
    PictureWordId = 5,
    MovingPictureId = 6,
    OptionsId = 7,
    Stay = 8,
    Quit = 9,
};

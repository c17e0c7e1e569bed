// SPDX-License-Identifier: GPL-3.0-or-later
// The game's screens by their numbers in the screen table (common/content/GameScreen.h): the menu,
// the six activities numbered by their place in the menu, and the options screen. Plain numbers,
// since a screen's number also indexes the settings kept per screen.
#pragma once

#include "common/content/GameScreen.h"

enum ScreenId : int {
    MenuId = static_cast<int>(GameScreen::Menu),
    RingsId = static_cast<int>(GameScreen::ColourRings),
    ShapesId = static_cast<int>(GameScreen::PictureSteps),
    FindImagesId = static_cast<int>(GameScreen::FindImages),
    PaintId = static_cast<int>(GameScreen::Painting),
    PictureWordId = static_cast<int>(GameScreen::PictureAndWord),
    MovingPictureId = static_cast<int>(GameScreen::MovingPictures),
    OptionsId = static_cast<int>(GameScreen::Options),
};

constexpr const GameScreenRow& rowOf(ScreenId id) {
    return rowOf(static_cast<GameScreen>(id));
}

// An activity's number is its place in the menu, and a screen with settings of its own finds them
// at its number.
static_assert([] {
    for (const GameScreenRow& row : kGameScreens) {
        const int number = static_cast<int>(row.screen);
        if ((row.menuPlace > 0 && row.menuPlace != number) ||
            (row.settingsSlot >= 0 && row.settingsSlot != number)) {
            return false;
        }
    }
    return true;
}());

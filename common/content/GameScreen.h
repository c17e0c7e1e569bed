// SPDX-License-Identifier: GPL-3.0-or-later
// The screens of the game in the one order that both programs and the files between them count
// by: the menu, the six activities in their menu order, and the options screen. Each screen's row
// says where it stands in the menu, which block of options\vimo.opt and which options tab are its
// own, and the name the session log writes for it; every count and place elsewhere comes from it.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

enum class GameScreen {
    Menu,
    ColourRings,
    PictureSteps,
    FindImages,
    Painting,
    PictureAndWord,
    MovingPictures,
    Options,
};

struct GameScreenRow {
    GameScreen screen;
    // Its English name in the session log, whatever the language.
    std::string_view logName;
    // Its place among the menu's activities, from 1; 0 for a screen that is no activity.
    int menuPlace;
    // Its block of settings in options\vimo.opt, which is also its tab on the options screen; -1
    // for a screen without settings of its own.
    int settingsSlot;
    // The child's choices are answers, right or wrong.
    bool answers;
};

inline constexpr std::array<GameScreenRow, 8> kGameScreens = {{
    {GameScreen::Menu, "Menu", 0, 0, false},
    {GameScreen::ColourRings, "Colour rings", 1, 1, false},
    {GameScreen::PictureSteps, "Picture steps", 2, 2, false},
    {GameScreen::FindImages, "Find images", 3, 3, true},
    {GameScreen::Painting, "Painting", 4, 4, false},
    {GameScreen::PictureAndWord, "Picture and word", 5, 5, false},
    {GameScreen::MovingPictures, "Moving pictures", 6, 6, false},
    {GameScreen::Options, "Options", 0, -1, false},
}};

constexpr const GameScreenRow& rowOf(GameScreen screen) {
    return kGameScreens[static_cast<std::size_t>(screen)];
}

constexpr int countGameScreens(bool (*counted)(const GameScreenRow&)) {
    int count = 0;
    for (const GameScreenRow& row : kGameScreens) {
        count += counted(row) ? 1 : 0;
    }
    return count;
}

// The activities of the menu.
inline constexpr int kActivityCount =
    countGameScreens([](const GameScreenRow& row) { return row.menuPlace > 0; });
// The blocks of per-screen settings in options\vimo.opt, and the options screen's tabs.
inline constexpr int kSettingsSlots =
    countGameScreens([](const GameScreenRow& row) { return row.settingsSlot >= 0; });

// The activity at `menuPlace`, 1 to kActivityCount; none at any other place.
constexpr std::optional<GameScreen> activityAt(int menuPlace) {
    for (const GameScreenRow& row : kGameScreens) {
        if (menuPlace > 0 && row.menuPlace == menuPlace) {
            return row.screen;
        }
    }
    return std::nullopt;
}

// The screen the session log names `logName`; none for a name no screen has.
constexpr std::optional<GameScreen> screenLoggedAs(std::string_view logName) {
    for (const GameScreenRow& row : kGameScreens) {
        if (row.logName == logName) {
            return row.screen;
        }
    }
    return std::nullopt;
}

// Each row stands at its screen's number; menu places and settings slots each count up from the
// first without a gap, so they index arrays of kActivityCount and kSettingsSlots.
constexpr bool gameScreensWellFormed() {
    int menuPlace = 0;
    int settingsSlot = -1;
    for (std::size_t i = 0; i < kGameScreens.size(); ++i) {
        const GameScreenRow& row = kGameScreens[i];
        if (static_cast<std::size_t>(row.screen) != i ||
            (row.menuPlace != 0 && row.menuPlace != ++menuPlace) ||
            (row.settingsSlot != -1 && row.settingsSlot != ++settingsSlot)) {
            return false;
        }
    }
    return true;
}
static_assert(gameScreensWellFormed(), "the rows of kGameScreens are out of order");

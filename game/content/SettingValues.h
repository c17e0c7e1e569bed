// SPDX-License-Identifier: GPL-3.0-or-later
// The adjustable settings alone, as options\vimo.opt holds them: switch setup, sound, music,
// order, colour and content list per screen, and the settings of single activities. A plain value,
// so the session can keep a copy of settings that could not be saved.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct SettingValues {
    static constexpr int kScreens = 7; // the menu (index 0) and the six activities

    int oneContact = 0;
    int useStop = 0;
    int scanTime = 3;
    float keyTime = 0.2f;
    int textOn = 1;
    int capsOn = 0;
    int speechOn = 1;
    int numPatterns = 4;
    int numFinds = 3;
    int speedGame1 = 50;
    int speedGame6 = 50;
    int movie = 0;
    int lineWidth = 20;
    int contactMode = 0;
    int findPause = 3;
    std::array<int, kScreens> soundOn{1, 1, 1, 1, 1, 1, 1};
    std::array<int, kScreens> musicOn{1, 1, 1, 1, 1, 1, 1};
    std::array<int, kScreens> random{1, 1, 1, 1, 1, 1, 1};
    // ARGB; 0xFF808080: each exercise's own colour.
    std::array<std::uint32_t, kScreens> backgroundColour{
        0xFF2236AA, 0xFF000000, 0xFF000000, 0xFF000000, 0xFFBC3FFD, 0xFF3FCEFD, 0xFF3FCEFD};
    std::array<std::u16string, kScreens> listName{u"vimo", u"vimo", u"vimo", u"vimo",
                                                  u"vimo", u"vimo", u"vimo"};
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The adjustable settings alone, as options\vimo.opt holds them: switch setup, sound, music,
// order, colour and content list per screen, and the settings of single activities. A plain value,
// so the game's session can keep a copy of settings that could not be saved; read and written here
// for the game, and read by the editor, which asks what lists the activities play.
#pragma once

#include "common/content/GameScreen.h"
#include "common/files/FileSystem.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

struct SettingValues {
    // The menu (index 0) and the six activities, each at its settings slot.
    static constexpr int kScreens = kSettingsSlots;

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
    // The language folder chosen on the options screen, or taken from the desktop at a first
    // start; empty while none was: data\lang.txt then names the language, as it always did.
    std::u16string chosenLanguage;
};

inline constexpr std::u16string_view kSettingsPath = u"options\\vimo.opt";

// NotOpened: there is no such file. Unreadable: it failed as it was opened, before any setting.
// Interrupted: a read error cut it off after the settings before it.
enum class SettingsRead { NotOpened, Unreadable, Complete, Interrupted };

// Reads `path` line by line into `values`: the fifteen single settings, then for each settings
// slot in turn its sound, music, order, colour and list name, then the chosen language. A setting
// whose line the file lacks, or that a read error cut off, keeps what `values` held.
SettingsRead readSettingValues(const FileSystem& files, std::u16string_view path,
                               SettingValues& values);

// Replaces `path` with `values` as UTF-8 lines, always 15 + 5 per slot of them, and one more for
// a chosen language (none while there is none, so such a file stays as it always was): a line
// break inside a list name is left out. False when that fails, with `error` set to the system's
// reason (ENOSPC, EROFS, EACCES...), the old file staying whole.
bool writeSettingValues(FileSystem& files, std::u16string_view path, const SettingValues& values,
                        std::uint32_t& error);

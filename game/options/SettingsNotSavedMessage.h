// SPDX-License-Identifier: GPL-3.0-or-later
// The message the options screen shows when the settings cannot be written as it is left: why, by
// the system's error, that the changes hold until the game ends, and what the adult can do.
#pragma once

#include "game/content/GameTexts.h"

#include <cstdint>
#include <string>

class SettingsNotSavedMessage {
public:
    // "The settings could not be saved. The disk is full. The changes hold until Vimo ends. ..."
    // in the language of `texts`.
    static std::u16string text(const GameTexts& texts, std::uint32_t error);
};

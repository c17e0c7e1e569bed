// SPDX-License-Identifier: GPL-3.0-or-later
// The message the options screen shows when the settings cannot be written as it is left: why, by
// the system's error, that the changes hold until the game ends, and what the adult can do.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class SettingsNotSavedMessage {
public:
    static constexpr std::u16string_view kCaption = u"Error - settings not saved.";

    // "The settings could not be saved. The disk is full. The changes hold until Vimo ends. ..."
    static std::u16string text(std::uint32_t error);
};

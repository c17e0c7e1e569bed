// SPDX-License-Identifier: GPL-3.0-or-later
// Every setting of the game's settings record by name, so that tests compare whole records and
// name what differs between two of them.
#pragma once

#include "common/content/SettingValues.h"
#include "common/text/Utf8.h"

#include <map>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

using SettingsRecord = std::map<std::string, std::string>;

// Colours are written in hex.
inline SettingsRecord settingsOf(const SettingValues& o) {
    SettingsRecord s;
    auto put = [&s](const std::string& name, auto value) {
        std::ostringstream text;
        if constexpr (std::is_same_v<decltype(value), std::uint32_t>) {
            text << std::hex;
        }
        text << value;
        s[name] = text.str();
    };
    put("oneContact", o.oneContact), put("useStop", o.useStop), put("scanTime", o.scanTime);
    put("keyTime", o.keyTime), put("textOn", o.textOn), put("capsOn", o.capsOn);
    put("speechOn", o.speechOn), put("numPatterns", o.numPatterns);
    put("numFinds", o.numFinds), put("speedGame1", o.speedGame1);
    put("speedGame6", o.speedGame6), put("movie", o.movie), put("lineWidth", o.lineWidth);
    put("contactMode", o.contactMode), put("findPause", o.findPause);
    put("chosenLanguage", toUtf8(o.chosenLanguage));
    for (std::size_t i = 0; i < SettingValues::kScreens; ++i) {
        const std::string at = "[" + std::to_string(i) + "]";
        put("soundOn" + at, o.soundOn[i]), put("musicOn" + at, o.musicOn[i]);
        put("random" + at, o.random[i]), put("backgroundColour" + at, o.backgroundColour[i]);
        put("listName" + at, toUtf8(o.listName[i]));
    }
    return s;
}

// What differs between two records, as "name: before -> after".
inline std::vector<std::string> changes(const SettingsRecord& before, const SettingsRecord& after) {
    std::vector<std::string> result;
    for (const auto& [name, value] : before) {
        if (after.at(name) != value) {
            result.push_back(name + ": " + value + " -> " + after.at(name));
        }
    }
    return result;
}

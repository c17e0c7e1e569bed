// SPDX-License-Identifier: GPL-3.0-or-later
// The game's settings record: switch setup, sound, music, order, colour and content list per
// screen, and the settings of single activities. Every screen builds its own record from
// options\vimo.opt, so a change made on the options screen reaches the other screens through
// that file, or, while it cannot be written, through the settings the session keeps unsaved.
// The record also holds the language the content folder names.
#pragma once

#include "common/content/SettingValues.h"
#include "common/files/FileSystem.h"

#include <cstdint>
#include <optional>
#include <string>

class Options : public SettingValues {
public:
    // Reads the language, then the settings: options\vimo.opt, else options\<language>.opt,
    // else the defaults, and in those two cases writes options\vimo.opt. Never fails; the
    // record is always complete.
    explicit Options(FileSystem& files);
    // The same, except that settings the session could not save are taken instead of any file:
    // the game plays on with them until they can be saved.
    Options(FileSystem& files, const std::optional<SettingValues>& unsavedSettings);
    Options(const Options&) = delete;
    Options& operator=(const Options&) = delete;

    // Reads every setting from `path`; settings whose lines the file lacks, or that a read error
    // cut off, take their defaults. False, with nothing changed, when the file cannot be opened.
    bool readOptionsFile(std::u16string_view path);
    // Replaces options\vimo.opt with the settings; false, silently, when it cannot, with
    // `error` set to the system's reason (ENOSPC, EROFS, EACCES...). A line break inside a list
    // name is left out, so the file always holds its 50 lines.
    bool writeOptionsFile(std::uint32_t& error);
    bool writeOptionsFile();
    // Every setting to its default; the language and the options path stay.
    void setDefaultOptions();

    std::u16string language;
    std::u16string optionsPath = std::u16string(kSettingsPath);

private:
    SettingsRead readSettings(std::u16string_view path);

    FileSystem& files_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The game's settings record: switch setup, sound, music, order, colour and content list per
// screen, and the settings of single activities. Every screen builds its own record from
// options\vimo.opt, so a change made on the options screen reaches the other screens through
// that file, or, while it cannot be written, through the settings the session keeps unsaved.
// The record also holds the language folder it plays in: the one chosen in the settings while it
// is present, else the one data\lang.txt names.
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
    // The same, except that a first start (no options\vimo.opt yet) plays in `firstStartLanguage`
    // (see firstStartLanguage) when a folder of it is present and data\lang.txt names another,
    // starts from that language's template and keeps the language in options\vimo.opt.
    Options(FileSystem& files, const std::optional<SettingValues>& unsavedSettings,
            std::u16string_view firstStartLanguage);
    // The settings as a session's first screen finds them, a first start taking
    // `firstStartLanguage`; the settings themselves when that language could not be kept in
    // options\vimo.opt, for the session to hold as unsaved settings, so the game still plays in
    // it. Nothing otherwise.
    static std::optional<SettingValues> startSession(FileSystem& files,
                                                     std::u16string_view firstStartLanguage);
    Options(const Options&) = delete;
    Options& operator=(const Options&) = delete;

    // Reads every setting from `path`, the chosen language only where the file has it; settings
    // whose lines the file lacks, or that a read error cut off, take their defaults. False, with
    // nothing changed, when the file cannot be opened.
    bool readOptionsFile(std::u16string_view path);
    // Replaces options\vimo.opt with the settings; false, silently, when it cannot, with
    // `error` set to the system's reason (ENOSPC, EROFS, EACCES...). A line break inside a list
    // name is left out, so the file always holds its 50 lines.
    bool writeOptionsFile(std::uint32_t& error);
    bool writeOptionsFile();
    // Every setting to its default; the language, also the chosen one, and the options path stay.
    void setDefaultOptions();

    std::u16string language;
    std::u16string optionsPath = std::u16string(kSettingsPath);

private:
    // A setting the file lacks keeps its default; the chosen language, what it was.
    SettingsRead readSettings(std::u16string_view path);
    // Settings from the language's template, else the defaults, written as options\vimo.opt.
    void startFirst(std::u16string_view firstStartLanguage);

    FileSystem& files_;
    bool firstStartUnsaved_ = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The game's settings record: switch setup, sound, music, order, colour and content list per
// screen, and the settings of single activities. Every screen builds its own record from
// options\vimo.opt, so a change made on the options screen reaches the other screens through
// that file alone. The record also holds the language the content folder names.
#pragma once

#include "common/files/FileSystem.h"

#include <array>
#include <cstdint>
#include <string>

class Options {
public:
    static constexpr int kScreens = 7; // the menu (index 0) and the six activities

    // Reads the language, then the settings: options\vimo.opt, else options\<language>.opt,
    // else the defaults, and in those two cases writes options\vimo.opt. Never fails; the
    // record is always complete.
    explicit Options(FileSystem& files);
    Options(const Options&) = delete;
    Options& operator=(const Options&) = delete;

    // Reads every setting from `path`; settings whose lines the file lacks, or that a read error
    // cut off, take their defaults. False, with nothing changed, when the file cannot be opened.
    bool readOptionsFile(std::u16string_view path);
    // Replaces options\vimo.opt with the settings; false, silently, when it cannot.
    bool writeOptionsFile();
    // Every setting to its default; the language and the options path stay.
    void setDefaultOptions();

    // The settings; setDefaultOptions gives their defaults.
    std::u16string language;
    int oneContact;
    int useStop;
    int scanTime;
    float keyTime;
    int textOn;
    int capsOn;
    int speechOn;
    int numPatterns;
    int numFinds;
    int speedGame1;
    int speedGame6;
    int movie;
    int lineWidth;
    int contactMode;
    int findPause;
    std::array<int, kScreens> soundOn;
    std::array<int, kScreens> musicOn;
    std::array<int, kScreens> random;
    std::array<std::uint32_t, kScreens> backgroundColour; // ARGB; 0xFF808080: each exercise's own
    std::array<std::u16string, kScreens> listName;
    std::u16string optionsPath = u"options\\vimo.opt";

private:
    enum class ReadOutcome { NotOpened, Complete, Interrupted };
    ReadOutcome readSettings(std::u16string_view path);

    FileSystem& files_;
};

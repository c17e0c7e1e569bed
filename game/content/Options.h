// The game's settings record: switch setup, sound, music, order, colour and content list per
// screen, and the settings of single activities. Every screen builds its own record from
// options\vimo.opt, so a change made on the options screen reaches the other screens through
// that file alone. The record also holds the language and the exercises of the list loaded last.
#pragma once

#include "common/files/FileSystem.h"
#include "common/content/Exercise.h"
#include "game/content/RandomGenerator.h"
#include "game/platform/ErrorBox.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class Options {
public:
    static constexpr int kScreens = 7; // the menu (index 0) and the six activities

    // Reads the language, selects its character rules, then the settings: options\vimo.opt,
    // else options\<language>.opt, else the defaults, and in those two cases writes
    // options\vimo.opt. Never fails; the record is always complete.
    explicit Options(FileSystem& files);
    // Puts the "C" character rules back.
    ~Options();
    Options(const Options&) = delete;
    Options& operator=(const Options&) = delete;

    // Reads every setting from `path`; settings whose lines the file lacks, or that a read error
    // cut off, take their defaults. False, with nothing changed, when the file cannot be opened.
    bool readOptionsFile(std::u16string_view path);
    // Replaces options\vimo.opt with the settings; false, silently, when it cannot.
    bool writeOptionsFile();
    // Every setting to its default; the language, the options path and the exercises stay.
    void setDefaultOptions();

    // Replaces the exercises by those of data\<language>\<listName>. When the list cannot be
    // read, shows "A list is missing: " + its path and returns false, the exercises unchanged.
    bool loadList(std::u16string_view name, ErrorBox& errorBox);
    // A new random order from the program-wide generator.
    void shuffleExercises(RandomGenerator& generator);
    // Every exercise's text in capitals, by the character rules of the language.
    void upperCaseTexts();

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
    std::vector<Exercise> exercises;

private:
    enum class ReadOutcome { NotOpened, Complete, Interrupted };
    ReadOutcome readSettings(std::u16string_view path);

    FileSystem& files_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Options.h"

#include "common/content/Language.h"
#include "common/text/NumberText.h"
#include "common/textfile/CTextFileException.h"
#include "common/textfile/TextFile.h"
#include "common/textfile/TextFileWriter.h"

#include <limits>

namespace {

// The settings of lines 5 to 15 of the file, in file order.
constexpr std::array<int Options::*, 11> kLateScalars = {
    &Options::textOn,    &Options::capsOn,      &Options::speechOn,   &Options::numPatterns,
    &Options::numFinds,  &Options::speedGame1,  &Options::speedGame6, &Options::movie,
    &Options::lineWidth, &Options::contactMode, &Options::findPause};

float toFloat(double value) {
    // A value beyond the float range becomes infinity rather than undefined behaviour.
    constexpr double kMax = 3.4028234663852886e38;
    if (value > kMax) {
        return std::numeric_limits<float>::infinity();
    }
    if (value < -kMax) {
        return -std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(value);
}

// The value without its line breaks: a break inside a value would shift every later line.
std::u16string onOneLine(std::u16string value) {
    std::erase_if(value, [](char16_t c) { return c == u'\r' || c == u'\n'; });
    return value;
}

} // namespace

Options::Options(FileSystem& files) : Options(files, std::nullopt) {}

Options::Options(FileSystem& files, const std::optional<SettingValues>& unsavedSettings)
    : files_(files) {
    language = readLanguage(files_);
    if (unsavedSettings) {
        static_cast<SettingValues&>(*this) = *unsavedSettings;
        return;
    }
    switch (readSettings(optionsPath)) {
    case ReadOutcome::Complete:
        return;
    case ReadOutcome::Interrupted:
        // What could be read stands, defaults fill the rest; the file that failed is not
        // written over, so nothing in it is lost to a passing disk error.
        return;
    case ReadOutcome::NotOpened:
        break;
    }
    if (readSettings(u"options\\" + language + u".opt") == ReadOutcome::NotOpened) {
        setDefaultOptions();
    }
    writeOptionsFile();
}

void Options::setDefaultOptions() {
    static_cast<SettingValues&>(*this) = SettingValues{};
}

bool Options::readOptionsFile(std::u16string_view path) {
    return readSettings(path) != ReadOutcome::NotOpened;
}

Options::ReadOutcome Options::readSettings(std::u16string_view path) {
    TextFile file;
    std::u16string line;
    // The next setting's line; false when the file has no more. The empty line that follows a
    // file's last line end is not a setting: a short file gives defaults, not zeros.
    auto nextLine = [&] { return file.readLine(line) && !(line.empty() && file.isAtEnd()); };
    auto integer = [&](int& field) {
        if (nextLine()) {
            field = parseLong(line);
        }
    };
    try {
        if (!file.openForReading(files_, path)) {
            return ReadOutcome::NotOpened;
        }
        // Lines the file lacks keep these.
        setDefaultOptions();
        integer(oneContact);
        integer(useStop);
        integer(scanTime);
        if (nextLine()) {
            keyTime = toFloat(parseDecimal(line));
        }
        for (int Options::*field : kLateScalars) {
            integer(this->*field);
        }
        for (int i = 0; i < kScreens; ++i) {
            integer(soundOn[i]);
            integer(musicOn[i]);
            integer(random[i]);
            if (nextLine()) {
                backgroundColour[i] = static_cast<std::uint32_t>(parseLong(line));
            }
            if (nextLine()) {
                listName[i] = line;
            }
        }
    } catch (const CTextFileException&) {
        return ReadOutcome::Interrupted;
    }
    return ReadOutcome::Complete;
}

bool Options::writeOptionsFile() {
    std::uint32_t error = 0;
    return writeOptionsFile(error);
}

bool Options::writeOptionsFile(std::uint32_t& error) {
    TextFileWriter file;
    if (!file.openForWriting(files_, optionsPath, Utf8Text, error)) {
        return false;
    }
    try {
        auto lineOf = [&](auto value) {
            file.write(value);
            file.writeEndOfLine();
        };
        lineOf(oneContact);
        lineOf(useStop);
        lineOf(scanTime);
        lineOf(static_cast<double>(keyTime));
        for (int Options::*field : kLateScalars) {
            lineOf(this->*field);
        }
        for (int i = 0; i < kScreens; ++i) {
            lineOf(soundOn[i]);
            lineOf(musicOn[i]);
            lineOf(random[i]);
            lineOf(static_cast<int>(backgroundColour[i]));
            lineOf(std::u16string_view(onOneLine(listName[i])));
        }
        file.close();
    } catch (const CTextFileException& failure) {
        error = failure.errorCode();
        return false;
    }
    return true;
}

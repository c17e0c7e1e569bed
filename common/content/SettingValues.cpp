// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingValues.h"

#include "common/text/NumberText.h"
#include "common/textfile/CTextFileException.h"
#include "common/textfile/TextFile.h"
#include "common/textfile/TextFileWriter.h"

#include <limits>

namespace {

// The settings of lines 5 to 15 of the file, in file order.
constexpr std::array<int SettingValues::*, 11> kLateScalars = {
    &SettingValues::textOn,      &SettingValues::capsOn,   &SettingValues::speechOn,
    &SettingValues::numPatterns, &SettingValues::numFinds, &SettingValues::speedGame1,
    &SettingValues::speedGame6,  &SettingValues::movie,    &SettingValues::lineWidth,
    &SettingValues::contactMode, &SettingValues::findPause};

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

SettingsRead readSettingValues(const FileSystem& files, std::u16string_view path,
                               SettingValues& values) {
    TextFile file;
    std::u16string line;
    // The next setting's line; false when the file has no more. The empty line that follows a
    // file's last line end is not a setting: a short file leaves settings, not zeros.
    auto nextLine = [&] { return file.readLine(line) && !(line.empty() && file.isAtEnd()); };
    auto integer = [&](int& field) {
        if (nextLine()) {
            field = parseLong(line);
        }
    };
    try {
        if (!file.openForReading(files, path)) {
            return SettingsRead::NotOpened;
        }
    } catch (const CTextFileException&) {
        return SettingsRead::Unreadable;
    }
    try {
        integer(values.oneContact);
        integer(values.useStop);
        integer(values.scanTime);
        if (nextLine()) {
            values.keyTime = toFloat(parseDecimal(line));
        }
        for (int SettingValues::*field : kLateScalars) {
            integer(values.*field);
        }
        for (std::size_t i = 0; i < SettingValues::kScreens; ++i) {
            integer(values.soundOn[i]);
            integer(values.musicOn[i]);
            integer(values.random[i]);
            if (nextLine()) {
                values.backgroundColour[i] = static_cast<std::uint32_t>(parseLong(line));
            }
            if (nextLine()) {
                values.listName[i] = line;
            }
        }
        if (nextLine()) {
            values.chosenLanguage = line;
        }
    } catch (const CTextFileException&) {
        return SettingsRead::Interrupted;
    }
    return SettingsRead::Complete;
}

bool writeSettingValues(FileSystem& files, std::u16string_view path, const SettingValues& values,
                        std::uint32_t& error) {
    TextFileWriter file;
    if (!file.openForWriting(files, path, Utf8Text, error)) {
        return false;
    }
    try {
        auto lineOf = [&](auto value) {
            file.write(value);
            file.writeEndOfLine();
        };
        lineOf(values.oneContact);
        lineOf(values.useStop);
        lineOf(values.scanTime);
        lineOf(static_cast<double>(values.keyTime));
        for (int SettingValues::*field : kLateScalars) {
            lineOf(values.*field);
        }
        for (std::size_t i = 0; i < SettingValues::kScreens; ++i) {
            lineOf(values.soundOn[i]);
            lineOf(values.musicOn[i]);
            lineOf(values.random[i]);
            lineOf(static_cast<int>(values.backgroundColour[i]));
            lineOf(std::u16string_view(onOneLine(values.listName[i])));
        }
        if (!values.chosenLanguage.empty()) {
            lineOf(std::u16string_view(onOneLine(values.chosenLanguage)));
        }
        file.close();
    } catch (const CTextFileException& failure) {
        error = failure.errorCode();
        return false;
    }
    return true;
}

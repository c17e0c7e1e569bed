// SPDX-License-Identifier: GPL-3.0-or-later
#include "Options.h"

#include "common/content/Language.h"

Options::Options(FileSystem& files) : Options(files, std::nullopt) {}

Options::Options(FileSystem& files, const std::optional<SettingValues>& unsavedSettings)
    : files_(files) {
    language = readLanguage(files_);
    if (unsavedSettings) {
        static_cast<SettingValues&>(*this) = *unsavedSettings;
        return;
    }
    switch (readSettings(optionsPath)) {
    case SettingsRead::Complete:
        return;
    case SettingsRead::Unreadable:
    case SettingsRead::Interrupted:
        // What could be read stands, defaults fill the rest; the file that failed is not
        // written over, so nothing in it is lost to a passing disk error.
        return;
    case SettingsRead::NotOpened:
        break;
    }
    if (readSettings(u"options\\" + language + u".opt") == SettingsRead::NotOpened) {
        setDefaultOptions();
    }
    writeOptionsFile();
}

void Options::setDefaultOptions() {
    static_cast<SettingValues&>(*this) = SettingValues{};
}

bool Options::readOptionsFile(std::u16string_view path) {
    return readSettings(path) != SettingsRead::NotOpened;
}

SettingsRead Options::readSettings(std::u16string_view path) {
    // Once the file is open, lines it lacks give the defaults.
    SettingValues read;
    const SettingsRead outcome = readSettingValues(files_, path, read);
    if (outcome == SettingsRead::Complete || outcome == SettingsRead::Interrupted) {
        static_cast<SettingValues&>(*this) = read;
    }
    return outcome;
}

bool Options::writeOptionsFile() {
    std::uint32_t error = 0;
    return writeOptionsFile(error);
}

bool Options::writeOptionsFile(std::uint32_t& error) {
    return writeSettingValues(files_, optionsPath, *this, error);
}

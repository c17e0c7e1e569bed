// SPDX-License-Identifier: GPL-3.0-or-later
#include "Options.h"

#include "common/content/Language.h"

Options::Options(FileSystem& files) : Options(files, std::nullopt) {}

Options::Options(FileSystem& files, const std::optional<SettingValues>& unsavedSettings)
    : Options(files, unsavedSettings, {}) {}

Options::Options(FileSystem& files, const std::optional<SettingValues>& unsavedSettings,
                 std::u16string_view firstStartLanguage)
    : files_(files) {
    if (unsavedSettings) {
        static_cast<SettingValues&>(*this) = *unsavedSettings;
        language = languageFor(files_, chosenLanguage);
        return;
    }
    const SettingsRead read = readSettings(optionsPath);
    language = languageFor(files_, chosenLanguage);
    // What could be read stands, defaults fill the rest; a file that failed is not written over,
    // so nothing in it is lost to a passing disk error.
    if (read == SettingsRead::NotOpened) {
        startFirst(firstStartLanguage);
    }
}

std::optional<SettingValues> Options::startSession(FileSystem& files,
                                                   std::u16string_view firstStartLanguage) {
    const Options options(files, std::nullopt, firstStartLanguage);
    if (options.firstStartUnsaved_) {
        return static_cast<const SettingValues&>(options);
    }
    return std::nullopt;
}

void Options::startFirst(std::u16string_view firstStartLanguage) {
    std::u16string taken = languageFolderFor(files_, firstStartLanguage);
    // The language data\lang.txt names already is nothing to keep: that file goes on deciding,
    // and the settings file stays as it always was.
    if (taken == language) {
        taken.clear();
    }
    if (!taken.empty()) {
        language = taken;
    }
    if (readSettings(u"options\\" + language + u".opt") == SettingsRead::NotOpened) {
        setDefaultOptions();
    }
    chosenLanguage = taken;
    firstStartUnsaved_ = !writeOptionsFile() && !taken.empty();
}

void Options::setDefaultOptions() {
    SettingValues defaults;
    defaults.chosenLanguage = chosenLanguage;
    static_cast<SettingValues&>(*this) = defaults;
}

bool Options::readOptionsFile(std::u16string_view path) {
    return readSettings(path) != SettingsRead::NotOpened;
}

SettingsRead Options::readSettings(std::u16string_view path) {
    // Once the file is open, lines it lacks give the defaults.
    SettingValues read;
    read.chosenLanguage = chosenLanguage;
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

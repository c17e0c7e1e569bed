// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemSettings.h"

#include "common/content/SettingValues.h"
#include "common/files/DiskFileSystem.h"
#include "common/textfile/CTextFileException.h"
#include "common/textfile/TextFile.h"

#include <string_view>

namespace {

std::u16string_view trimmed(std::u16string_view text) {
    while (!text.empty() && (text.front() == u' ' || text.front() == u'\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == u' ' || text.back() == u'\t')) {
        text.remove_suffix(1);
    }
    return text;
}

void setFlag(bool& flag, std::u16string_view value) {
    if (value == u"0" || value == u"1") {
        flag = value == u"1";
    }
}

// One line of the file; what is not one of these names, or not a value it takes, is passed over.
void apply(SystemSettings& settings, std::u16string_view name, std::u16string_view value) {
    if (name == u"content") {
        // A folder named from wherever the program happens to start would be no one's choice.
        const std::filesystem::path folder(std::u16string{value});
        if (folder.is_absolute()) {
            settings.content = folder;
        }
    } else if (name == u"language") {
        // The name becomes a folder in every path of the language's files.
        if (!value.empty() && value != u"." && value != u".." &&
            value.find_first_of(u"\\/") == std::u16string_view::npos) {
            settings.language = value;
        }
    } else if (name == u"optionsLock") {
        setFlag(settings.optionsLock, value);
    } else if (name == u"editor") {
        setFlag(settings.editor, value);
    }
}

} // namespace

std::filesystem::path systemSettingsPath(const char* overridePath) {
    if (overridePath != nullptr && *overridePath != '\0') {
        return overridePath;
    }
    return "/etc/vimo/vimo.conf";
}

SystemSettings readSystemSettings(const std::filesystem::path& file) {
    SystemSettings settings;
    // Through the file layer like every other file, from the folder that holds it.
    const DiskFileSystem folder(file.parent_path());
    const std::u16string name = file.filename().u16string();
    TextFile text;
    try {
        if (!text.openForReading(folder, name)) {
            return settings;
        }
        std::u16string line;
        while (text.readLine(line)) {
            const std::size_t equals = line.find(u'=');
            const std::u16string_view whole(line);
            if (equals != std::u16string::npos && !trimmed(whole).starts_with(u'#')) {
                apply(settings, trimmed(whole.substr(0, equals)),
                      trimmed(whole.substr(equals + 1)));
            }
        }
    } catch (const CTextFileException&) {
        // What was read before the failure stands.
    }
    // The switch-access lines are read as access.opt reads them, with the same limits.
    settings.access = readAccessSettings(folder, name);
    return settings;
}

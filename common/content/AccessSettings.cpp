// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessSettings.h"

#include "common/textfile/CTextFileException.h"
#include "common/textfile/TextFile.h"
#include "common/textfile/TextFileWriter.h"

#include <charconv>
#include <optional>
#include <string>

namespace {

// A whole decimal number, optionally signed, with blanks around it; nothing else.
std::optional<long long> wholeNumber(std::u16string_view text) {
    while (!text.empty() && (text.front() == u' ' || text.front() == u'\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == u' ' || text.back() == u'\t')) {
        text.remove_suffix(1);
    }
    std::string ascii;
    for (const char16_t unit : text) {
        if (unit > 0x7F) {
            return std::nullopt;
        }
        ascii.push_back(static_cast<char>(unit));
    }
    long long value = 0;
    const char* end = ascii.data() + ascii.size();
    const auto [stop, fault] = std::from_chars(ascii.data(), end, value);
    if (ascii.empty() || fault != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

void setWithin(int& field, std::optional<long long> value, long long lowest, long long highest) {
    if (value && *value >= lowest && *value <= highest) {
        field = static_cast<int>(*value);
    }
}

void setFlag(bool& field, std::optional<long long> value) {
    if (value && (*value == 0 || *value == 1)) {
        field = *value == 1;
    }
}

void applyTiming(AccessSettings& settings, std::u16string_view name,
                 std::optional<long long> value) {
    using A = AccessSettings;
    if (name == u"acceptTime") {
        setWithin(settings.acceptTime, value, 0, A::kLongestAcceptTime);
    } else if (name == u"actOnRelease") {
        setFlag(settings.actOnRelease, value);
    } else if (name == u"ignoreRepeatTime") {
        setWithin(settings.ignoreRepeatTime, value, 0, A::kLongestIgnoreRepeatTime);
    } else if (name == u"scanTimeMs") {
        // 0 leaves the step to the options' seconds; otherwise whole tenths of a second.
        if (value && (*value == 0 || *value % A::kScanTimeStep == 0)) {
            setWithin(settings.scanTimeMs, value, *value == 0 ? 0 : A::kShortestScanTime,
                      A::kLongestScanTime);
        }
    } else if (name == u"firstItemDelay") {
        setWithin(settings.firstItemDelay, value, 0, A::kLongestFirstItemDelay);
    } else if (name == u"scanStartsOnPress") {
        setFlag(settings.scanStartsOnPress, value);
    } else if (name == u"waitForCue") {
        setFlag(settings.waitForCue, value);
    } else if (name == u"lockHoldTime") {
        setWithin(settings.lockHoldTime, value, A::kShortestLockHoldTime, A::kLongestLockHoldTime);
    }
}

void apply(AccessSettings& settings, std::u16string_view name, std::u16string_view text) {
    const std::optional<long long> value = wholeNumber(text);
    if (name == u"scanCue") {
        setWithin(settings.scanCue, value, AccessSettings::NoCue, AccessSettings::ItemCue);
    } else if (name == u"scanRounds") {
        setWithin(settings.scanRounds, value, 0, AccessSettings::kLargestScanRounds);
    } else if (name == u"scanFrameWidth") {
        if (value && *value == 0) {
            settings.scanFrameWidth = 0;
        } else {
            setWithin(settings.scanFrameWidth, value, AccessSettings::kThinnestFrame,
                      AccessSettings::kBoldestFrame);
        }
    } else if (name == u"scanFrameColour") {
        // Written as a signed 32-bit number, as the options file writes its colours; the
        // unsigned form is read too.
        if (value && *value >= INT32_MIN && *value <= UINT32_MAX) {
            settings.scanFrameColour = static_cast<std::uint32_t>(*value);
        }
    } else if (name == u"kioskLock") {
        setFlag(settings.kioskLock, value);
    } else if (name == u"log") {
        setFlag(settings.log, value);
    } else if (name == u"controllerFirstButton") {
        setWithin(settings.controllerFirstButton, value, 0,
                  AccessSettings::kLargestControllerButton);
    } else {
        applyTiming(settings, name, value);
    }
}

} // namespace

AccessSettings readAccessSettings(const FileSystem& files, std::u16string_view path,
                                  const AccessSettings& defaults) {
    AccessSettings settings = defaults;
    TextFile file;
    try {
        if (!file.openForReading(files, path)) {
            return settings;
        }
        std::u16string line;
        while (file.readLine(line)) {
            const std::size_t equals = line.find(u'=');
            if (equals == std::u16string::npos) {
                continue;
            }
            std::u16string_view name = std::u16string_view(line).substr(0, equals);
            while (!name.empty() && (name.back() == u' ' || name.back() == u'\t')) {
                name.remove_suffix(1);
            }
            while (!name.empty() && (name.front() == u' ' || name.front() == u'\t')) {
                name.remove_prefix(1);
            }
            apply(settings, name, std::u16string_view(line).substr(equals + 1));
        }
    } catch (const CTextFileException&) {
        // What was read before the failure stands; the rest keeps its defaults.
    }
    return settings;
}

bool writeAccessSettings(FileSystem& files, const AccessSettings& settings, std::uint32_t& error,
                         std::u16string_view path) {
    TextFileWriter file;
    if (!file.openForWriting(files, path, Utf8Text, error)) {
        return false;
    }
    try {
        auto line = [&](std::u16string_view name, long value) {
            file.write(name);
            file.write(u"=");
            file.write(value);
            file.writeEndOfLine();
        };
        line(u"scanCue", settings.scanCue);
        line(u"scanRounds", settings.scanRounds);
        line(u"scanFrameWidth", settings.scanFrameWidth);
        line(u"scanFrameColour", static_cast<std::int32_t>(settings.scanFrameColour));
        line(u"kioskLock", settings.kioskLock ? 1 : 0);
        line(u"log", settings.log ? 1 : 0);
        line(u"controllerFirstButton", settings.controllerFirstButton);
        line(u"acceptTime", settings.acceptTime);
        line(u"actOnRelease", settings.actOnRelease ? 1 : 0);
        line(u"ignoreRepeatTime", settings.ignoreRepeatTime);
        line(u"scanTimeMs", settings.scanTimeMs);
        line(u"firstItemDelay", settings.firstItemDelay);
        line(u"scanStartsOnPress", settings.scanStartsOnPress ? 1 : 0);
        line(u"waitForCue", settings.waitForCue ? 1 : 0);
        line(u"lockHoldTime", settings.lockHoldTime);
        file.close();
    } catch (const CTextFileException& failure) {
        error = failure.errorCode();
        return false;
    }
    return true;
}

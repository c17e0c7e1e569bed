// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsRow.h"

#include "game/screen/ScanSetup.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kLongestKeyTimeMs = 24 * 60 * 60 * 1000;

// The options keep the key time in seconds; a hand-edited value out of all reason is cut to a day.
int keyTimeMilliseconds(float seconds) {
    const double ms = std::isfinite(seconds) ? std::round(seconds * 1000.0) : 0.0;
    return static_cast<int>(std::clamp(ms, 0.0, static_cast<double>(kLongestKeyTimeMs)));
}

void addNumber(std::string& detail, std::string_view name, long long value) {
    addSetting(detail, name, std::to_string(value));
}

} // namespace

void addSetting(std::string& detail, std::string_view name, std::string_view value) {
    if (!detail.empty()) {
        detail += ';';
    }
    detail.append(name).append("=");
    std::string text(value);
    std::replace(text.begin(), text.end(), ';', ',');
    detail += text;
}

std::string sharedSettings(const Options& options, const AccessSettings& access) {
    std::string detail;
    addNumber(detail, "switches", options.oneContact != 0 ? 1 : 2);
    addNumber(detail, "scanTime", scanStepMilliseconds(options, access));
    addNumber(detail, "keyTime", keyTimeMilliseconds(options.keyTime));
    addNumber(detail, "acceptTime", access.acceptTime);
    addNumber(detail, "actOnRelease", access.actOnRelease ? 1 : 0);
    addNumber(detail, "ignoreRepeatTime", access.ignoreRepeatTime);
    addNumber(detail, "scanCue", access.scanCue);
    addNumber(detail, "waitForCue", access.waitForCue ? 1 : 0);
    addNumber(detail, "firstItemDelay", access.firstItemDelay);
    addNumber(detail, "scanStartsOnPress", access.scanStartsOnPress ? 1 : 0);
    addNumber(detail, "rounds", access.scanRounds);
    addNumber(detail, "kioskLock", access.kioskLock ? 1 : 0);
    addNumber(detail, "lockHoldTime", access.lockHoldTime);
    return detail;
}

void logSettings(ScreenServices& services, const Options& options, std::string_view more) {
    std::string detail = sharedSettings(options, services.access);
    if (!more.empty()) {
        detail.append(";").append(more);
    }
    services.log.settings(detail);
}

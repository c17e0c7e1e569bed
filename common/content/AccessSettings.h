// SPDX-License-Identifier: GPL-3.0-or-later
// The switch-access settings kept beside the options file, in options\access.opt: cues that let
// a child follow scanning by ear, scanning that rests, a bold scan frame, the lock a child
// cannot undo, the session log and the controller's first-switch button. The options file keeps
// its fixed 50 lines because other programs read it; these are `name=value` lines, so new
// settings can be added without breaking older files. Every default leaves the game as it is
// without the file.
#pragma once

#include "common/files/FileSystem.h"

#include <cstdint>
#include <string_view>

struct AccessSettings {
    // What sounds at every scanning step.
    enum Cue { NoCue = 0, TickCue = 1, ItemCue = 2 };

    int scanCue = NoCue;
    // Rounds of automatic scanning without a press before scanning rests; 0 scans forever.
    int scanRounds = 0;
    // 0: the scanned picture's own frame; 2 to 16: a frame of that many pixels.
    int scanFrameWidth = 0;
    // ARGB of the bold frame; opaque yellow.
    std::uint32_t scanFrameColour = 0xFFFFFF00;
    // Esc and the stop buttons act only when held for kLockHoldMilliseconds.
    bool kioskLock = false;
    // Presses and answers are appended to log\<date>.csv.
    bool log = false;
    // The controller button that is the first switch; every other button is the second.
    int controllerFirstButton = 0;

    static constexpr int kLargestScanRounds = 99;
    static constexpr int kThinnestFrame = 2;
    static constexpr int kBoldestFrame = 16;
    static constexpr int kLargestControllerButton = 31;
    static constexpr std::uint32_t kLockHoldMilliseconds = 3000;

    bool operator==(const AccessSettings&) const = default;
};

inline constexpr std::u16string_view kAccessSettingsPath = u"options\\access.opt";

// The settings in `path`, in any encoding the text-file reader knows. A missing or unreadable
// file gives the defaults; a line with an unknown name, or a value out of its range, is passed
// over and that setting keeps its default. Never fails.
AccessSettings readAccessSettings(const FileSystem& files,
                                  std::u16string_view path = kAccessSettingsPath);

// Replaces `path` with the settings as UTF-8 `name=value` lines, the old file staying whole when
// that fails; false then, with `error` set to the system's reason.
bool writeAccessSettings(FileSystem& files, const AccessSettings& settings, std::uint32_t& error,
                         std::u16string_view path = kAccessSettingsPath);

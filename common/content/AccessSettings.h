// SPDX-License-Identifier: GPL-3.0-or-later
// The switch-access settings kept beside the options file, in options\access.opt: cues that let
// a child follow scanning by ear, scanning that rests, a bold scan frame, the lock a child
// cannot undo, the session log, the controller's first-switch button and the switch timing a
// therapist fits to a child's body (how long a press is held, repeats, the scan's pace). The
// options file keeps its fixed 50 lines because other programs read it; these are `name=value`
// lines, so new settings can be added without breaking older files. Every default leaves the game
// as it is without the file.
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
    // Esc and the stop buttons act only when held for lockHoldTime.
    bool kioskLock = false;
    // Presses and answers are appended to log\<date>.csv.
    bool log = false;
    // The controller button that is the first switch; every other button is the second.
    int controllerFirstButton = 0;

    // Switch timing, fitted to a child's body; every time in milliseconds.
    // A press counts only once the switch has been held this long; a shorter touch is no press.
    int acceptTime = 0;
    // The press counts when the switch is let go rather than when it goes down.
    bool actOnRelease = false;
    // After a press counts, further presses within this time are passed over; 0: none are.
    int ignoreRepeatTime = 0;
    // The automatic scan step, overriding the options' whole seconds; 0: those seconds stand.
    int scanTimeMs = 0;
    // How much longer the scan stays on the first target of each round.
    int firstItemDelay = 0;
    // Automatic scanning waits for a first press instead of starting with the screen.
    bool scanStartsOnPress = false;
    // With scan cues, the scan does not move on before the target's cue has ended.
    bool waitForCue = false;
    // How long Esc or a stop button is held under the lock.
    int lockHoldTime = kDefaultLockHoldTime;

    static constexpr int kLargestScanRounds = 99;
    static constexpr int kThinnestFrame = 2;
    static constexpr int kBoldestFrame = 16;
    static constexpr int kLargestControllerButton = 31;
    static constexpr int kLongestAcceptTime = 2000;
    static constexpr int kLongestIgnoreRepeatTime = 5000;
    static constexpr int kShortestScanTime = 500;
    static constexpr int kLongestScanTime = 30000;
    static constexpr int kScanTimeStep = 100;
    static constexpr int kLongestFirstItemDelay = 10000;
    static constexpr int kShortestLockHoldTime = 1000;
    static constexpr int kDefaultLockHoldTime = 3000;
    static constexpr int kLongestLockHoldTime = 10000;

    bool operator==(const AccessSettings&) const = default;
};

inline constexpr std::u16string_view kAccessSettingsPath = u"options\\access.opt";

// The settings in `path`, in any encoding the text-file reader knows. A missing or unreadable
// file gives `defaults` (those of a computer's administrator, or the built-in ones); a line with
// an unknown name, or a value out of its range, is passed over and that setting keeps its
// default. Never fails.
AccessSettings readAccessSettings(const FileSystem& files,
                                  std::u16string_view path = kAccessSettingsPath,
                                  const AccessSettings& defaults = AccessSettings{});

// Replaces `path` with the settings as UTF-8 `name=value` lines, the old file staying whole when
// that fails; false then, with `error` set to the system's reason.
bool writeAccessSettings(FileSystem& files, const AccessSettings& settings, std::uint32_t& error,
                         std::u16string_view path = kAccessSettingsPath);

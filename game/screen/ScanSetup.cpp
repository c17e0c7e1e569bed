// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScanSetup.h"

#include "game/screen/ScanCue.h"

#include <algorithm>
#include <limits>
#include <utility>

std::uint32_t scanStepMilliseconds(const Options& options, const AccessSettings& access) {
    if (access.scanTimeMs > 0) {
        return static_cast<std::uint32_t>(access.scanTimeMs);
    }
    constexpr int kLongestSeconds =
        static_cast<int>(std::numeric_limits<std::uint32_t>::max() / 1000u);
    return static_cast<std::uint32_t>(std::clamp(options.scanTime, 0, kLongestSeconds)) * 1000u;
}

namespace {

// The therapist's record of automatic scanning: the chances the child had to choose the right
// picture, the ones that passed, and the scanning's rests.
void logScanning(Scanner& scanner, SessionLog& log, std::function<bool(std::size_t)> isRight) {
    scanner.setWatcher(
        [&log, isRight = std::move(isRight)](Scanner::Moment moment, std::size_t target) {
            const bool right = isRight && isRight(target);
            switch (moment) {
            case Scanner::Moment::Framed:
                if (right) {
                    log.note(LogEvent::Framed);
                }
                break;
            case Scanner::Moment::LeftUnpressed:
                if (right) {
                    log.note(LogEvent::Missed);
                }
                break;
            case Scanner::Moment::Rested:
                log.note(LogEvent::Rest);
                break;
            case Scanner::Moment::Woken:
                log.note(LogEvent::Wake);
                break;
            }
        });
}

} // namespace

void setUpScanning(Scanner& scanner, ScreenServices& services, const Options& options,
                   std::function<std::u16string(std::size_t target)> itemSound,
                   std::function<bool(std::size_t target)> isRight) {
    const AccessSettings& access = services.access;
    scanner.setStepListener([&services, itemSound = std::move(itemSound)](std::size_t target) {
        return playScanCue(services, itemSound(target));
    });
    scanner.setRestAfterRounds(access.scanRounds);
    if (options.oneContact == 0) {
        return;
    }
    scanner.setIntervalMs(scanStepMilliseconds(options, access));
    if (scanStepMilliseconds(options, access) != 0) {
        logScanning(scanner, services.log, std::move(isRight));
    }
    scanner.setFirstTargetDelayMs(static_cast<std::uint32_t>(std::max(access.firstItemDelay, 0)));
    // Without scan cues no step starts a sound, so there is nothing to wait for.
    if (access.waitForCue) {
        Sound& sound = services.sound;
        scanner.setCueSounding([&sound] { return sound.playing(); });
    }
    if (access.scanStartsOnPress) {
        scanner.startOnPress();
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "SdlEventSource.h"

#include "game/shell/sdl/VirtualKeys.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

bool isGameButton(Uint8 button) {
    return button == SDL_BUTTON_LEFT || button == SDL_BUTTON_RIGHT;
}

// The platform's echo of a warp lands on the warped point, give or take the rounding of the
// scaled window.
bool nearPoint(const std::pair<int, int>& point, int x, int y) {
    return std::abs(point.first - x) <= 1 && std::abs(point.second - y) <= 1;
}

} // namespace

SdlEventSource::SdlEventSource(std::function<void()> onExposed,
                               std::function<void()> onTargetsReset, const AccessSettings& access)
    : onExposed_(std::move(onExposed)), onTargetsReset_(std::move(onTargetsReset)),
      controllers_(access) {
    SDL_StopTextInput();
}

void SdlEventSource::pointerWarped(int x, int y) {
    scannedPoint_ = std::make_pair(x, y);
    InputEvent move;
    move.type = InputEvent::MouseMove;
    move.x = x;
    move.y = y;
    posted_.push_back(move);
}

std::optional<InputEvent> SdlEventSource::next(NextTurn wait) {
    if (!posted_.empty()) {
        InputEvent event = posted_.front();
        posted_.pop_front();
        return event;
    }
    SDL_Event event;
    if (!waitForEvent(wait, event)) {
        return std::nullopt;
    }
    if (event.type == SDL_MOUSEMOTION) {
        // Only the latest of a run of queued moves counts.
        SDL_Event later;
        while (SDL_PeepEvents(&later, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1 &&
               later.type == SDL_MOUSEMOTION) {
            SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_MOUSEMOTION, SDL_MOUSEMOTION);
        }
    }
    return translate(event);
}

bool SdlEventSource::waitForEvent(NextTurn wait, SDL_Event& event) {
    // At rest the process sleeps until something happens: no wake-up without an event or a
    // deadline. A quit signal interrupts the wait, and SDL turns it into its quit event.
    const std::optional<std::uint32_t> turnIn = wait.milliseconds();
    const Uint32 start = SDL_GetTicks();
    while (true) {
        std::optional<std::uint32_t> milliseconds;
        if (turnIn) {
            milliseconds = *turnIn - std::min(*turnIn, SDL_GetTicks() - start);
        }
        if (const std::optional<std::uint32_t> look = hotplug_.settle()) {
            milliseconds = std::min(milliseconds.value_or(*look), *look);
        }
        const int waited =
            milliseconds
                ? SDL_WaitEventTimeout(
                      &event, static_cast<int>(std::min<std::uint32_t>(*milliseconds, INT32_MAX)))
                : SDL_WaitEvent(&event);
        if (waited != 0 && !hotplug_.takes(event)) {
            return true;
        }
        if (waited == 0 && turnIn && SDL_GetTicks() - start >= *turnIn) {
            return false;
        }
    }
}

std::pair<int, int> SdlEventSource::pressPoint(int x, int y) const {
    return scannedPoint_ ? *scannedPoint_ : std::make_pair(x, y);
}

std::optional<InputEvent> SdlEventSource::translateController(const SDL_Event& event) {
    // A controller's event may stand for more than one message: the rest come next.
    const std::vector<InputEvent> events = controllers_.translate(event);
    if (events.empty()) {
        return std::nullopt;
    }
    posted_.insert(posted_.begin(), events.begin() + 1, events.end());
    return events.front();
}

std::optional<InputEvent> SdlEventSource::translateMotion(const SDL_MouseMotionEvent& motion) {
    if (scannedPoint_) {
        if (nearPoint(*scannedPoint_, motion.x, motion.y)) {
            return std::nullopt; // the echo of the scanner's own move
        }
        scannedPoint_.reset();
    }
    InputEvent out;
    out.type = InputEvent::MouseMove;
    out.x = motion.x;
    out.y = motion.y;
    return out;
}

std::optional<InputEvent> SdlEventSource::translate(const SDL_Event& event) {
    if (SdlControllers::isControllerEvent(event)) {
        return translateController(event);
    }
    InputEvent out;
    switch (event.type) {
    case SDL_QUIT:
        out.type = InputEvent::Quit;
        return out;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        if (isSystemKey(event.key.keysym)) {
            return std::nullopt;
        }
        out.type = event.type == SDL_KEYDOWN ? InputEvent::KeyDown : InputEvent::KeyUp;
        out.key = virtualKeyFor(event.key.keysym.scancode);
        return out;
    case SDL_MOUSEMOTION:
        return translateMotion(event.motion);
    case SDL_MOUSEBUTTONDOWN:
        if (!isGameButton(event.button.button)) {
            return std::nullopt;
        }
        // The second click of a quick pair is a double click, which the screens never hear: not
        // its press, nor its release, which would act alone (starting a new picture, say).
        if (event.button.clicks % 2 == 0) {
            swallowed_.insert(event.button.button);
            return std::nullopt;
        }
        out.type = InputEvent::MouseDown;
        std::tie(out.x, out.y) = pressPoint(event.button.x, event.button.y);
        return out;
    case SDL_MOUSEBUTTONUP:
        if (!isGameButton(event.button.button) || swallowed_.erase(event.button.button) != 0) {
            return std::nullopt;
        }
        out.type = InputEvent::MouseUp;
        std::tie(out.x, out.y) = pressPoint(event.button.x, event.button.y);
        return out;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
            event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
            event.window.event == SDL_WINDOWEVENT_RESTORED) {
            onExposed_();
        }
        return std::nullopt; // a close request is ignored: only the system's quit ends the game
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET:
        onTargetsReset_();
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

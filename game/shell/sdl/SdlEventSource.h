// SPDX-License-Identifier: GPL-3.0-or-later
// SDL's events as the screens' messages: keys as virtual-key codes (auto-repeat included,
// system keys left out), the buttons of switch interfaces that are game controllers as the
// keys of the two switches, left and right buttons alike with only the odd clicks of a quick run
// reaching the screen (press and release), pointer moves coalesced, close requests ignored and a
// quit request from the system ending the game. A move made by the scanner is heard by the screen
// in a later turn even where the platform cannot move the visible pointer.
#pragma once

#include "game/shell/MainLoop.h"
#include "game/shell/sdl/ControllerHotplug.h"
#include "game/shell/sdl/SdlControllers.h"

#include <SDL.h>
#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <utility>

class SdlEventSource : public EventSource {
public:
    // `onExposed` runs when the window must be shown anew; `onTargetsReset` when the renderer
    // lost its textures and the frame must be drawn anew. `access` tells which controller button
    // is the first switch; it must outlive this, and may change meanwhile.
    SdlEventSource(std::function<void()> onExposed, std::function<void()> onTargetsReset,
                   const AccessSettings& access);

    // Sleeps in the system until an event comes or the wait runs out; without an end to the wait,
    // until an event comes.
    std::optional<InputEvent> next(NextTurn wait) override;

    // The scanner moved the pointer to (x, y) of the game space.
    void pointerWarped(int x, int y);

    // Translates one SDL event; empty for events the screens do not hear.
    std::optional<InputEvent> translate(const SDL_Event& event);

private:
    // Waits as `wait` says; false when it ran out without an event. The hot-plug watch's own
    // wake-ups are taken here.
    bool waitForEvent(NextTurn wait, SDL_Event& event);
    // The game's messages for a controller's button or its coming and going.
    std::optional<InputEvent> translateController(const SDL_Event& event);
    // A move of the mouse, unless it is the echo of the scanner's own move of the pointer.
    std::optional<InputEvent> translateMotion(const SDL_MouseMotionEvent& motion);
    std::pair<int, int> pressPoint(int x, int y) const;

    std::function<void()> onExposed_;
    std::function<void()> onTargetsReset_;
    std::deque<InputEvent> posted_;
    SdlControllers controllers_;
    ControllerHotplug hotplug_;
    // The buttons whose press was a double click: their release goes unheard too.
    std::set<Uint8> swallowed_;
    // Where the scanner put the pointer, until the mouse really moves again.
    std::optional<std::pair<int, int>> scannedPoint_;
};

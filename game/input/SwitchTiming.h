// SPDX-License-Identifier: GPL-3.0-or-later
// The switch timing a therapist fits to a child's body, applied to the messages before a screen
// sees them, so that every screen takes a press the same way: a press counts only once the switch
// has been held the acceptance time (a shorter touch is no press at all), or only when it is let
// go, and presses that follow a counted one within the ignore-repeat time are passed over; the
// keyboard's repeats of a held switch are then passed over too, so one hold is one press. Each
// key and the mouse's buttons are contacts of their own; Esc, the adult's way out, and moves pass
// untouched. With every setting at its default the messages pass as they came.
#pragma once

#include "common/content/AccessSettings.h"
#include "game/input/InputEvent.h"
#include "game/platform/Clock.h"
#include "game/platform/NextTurn.h"

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

class SwitchTiming {
public:
    explicit SwitchTiming(const Clock& clock) : clock_(clock) {}

    // The settings of the screen that begins now; `forChild` is false on the adult's screens,
    // where messages pass as they came. A press still pending from the screen before is passed
    // over: it began where it no longer means anything.
    void use(const AccessSettings& settings, bool forChild);

    // Takes one message from the platform and appends what the screen gets of it now to `out`:
    // nothing, the message, or a press held back and its release together.
    void take(const InputEvent& event, std::vector<InputEvent>& out);
    // Appends the presses whose switches have now been held their acceptance time; called every
    // turn, whether a message came or not.
    void turn(std::vector<InputEvent>& out);
    // When a held-back press next comes due; never when none is held back for its time.
    NextTurn nextTurn() const;

private:
    // What became of a contact's last press: still held back, handed on, or passed over (its
    // repeats and release then go nowhere either).
    enum class Press { HeldBack, HandedOn, PassedOver };
    struct Contact {
        Press press = Press::HeldBack;
        InputEvent down;
        std::uint32_t since = 0;
    };

    bool timed() const;
    void pressDown(int contact, const InputEvent& event, std::vector<InputEvent>& out);
    void release(int contact, const InputEvent& event, std::vector<InputEvent>& out);
    // Hands the held-back press on: from now on its contact's messages pass.
    void handOn(Contact& contact, std::vector<InputEvent>& out);

    const Clock& clock_;
    AccessSettings settings_;
    bool forChild_ = false;
    // The contacts that are down, by key code; the mouse's buttons are one contact.
    std::map<int, Contact> down_;
    // When the last press counted; none before the first.
    std::optional<std::uint32_t> lastCounted_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// What the six activities share: the contact-held flag that makes a held switch count once, the
// way a press is accepted, the start and the rounds of the activity's list, the id the screen
// returns next, and the way out by Esc or the stop button, held for a time under the lock a child
// cannot undo.
#pragma once

#include "game/content/ContentList.h"
#include "game/content/Options.h"
#include "game/gfx/Picture.h"
#include "game/input/HoldToLeave.h"
#include "game/screen/Screen.h"
#include "game/screen/ScreenId.h"
#include "game/screen/ScreenServices.h"

#include <string_view>

class ActivityScreen : public Screen {
public:
    // Where the activities whose presses are steps differ in taking a press.
    struct PressRules {
        // Esc and a press on the stop button also hold the contact, and the press on the button
        // is also a step; otherwise they are only the way out.
        bool wayOutHoldsContact = true;
        // A mouse button holds the contact until released; otherwise every click counts.
        bool mouseHoldsContact = true;
    };

    // `id` names the activity's settings, list and last accepted press.
    ActivityScreen(ScreenServices& services, ScreenId id);
    ActivityScreen(ScreenServices& services, ScreenId id, PressRules rules);

    // Returns the next screen id and does nothing else but end a hold that has lasted.
    NextScreen update() override;
    // With the update above the activity only answers input: a turn is due only when it leaves
    // or a hold to leave runs out. An activity with an update of its own says when it needs its
    // turns, and adds holdTurn.
    NextTurn nextTurn() const override;
    // The press path of the activities whose presses are steps: Esc and the stop button lead
    // out, any other key or button is the switch, taken once until released (acceptPress).
    // Activities that answer a switch otherwise, by holding it or scanning, override both.
    void mouseDown(int x, int y) override;
    void keyDown(int key) override;
    // Any release re-arms the contact: keys and buttons share one flag. It ends a hold to leave.
    void mouseUp(int x, int y) override;
    void keyUp(int key) override;
    // Hover test of the stop button; leaving the button ends a hold on it.
    void mouseMove(int x, int y) override;

protected:
    // The background of an exercise: the adult's colour for the activity, unless it is the grey
    // that asks for each exercise's own colour; an exercise without one, or none, keeps the grey.
    static std::uint32_t exerciseBackground(std::uint32_t setting, const Exercise* exercise);

    // What an accepted press does in an activity whose presses are steps.
    virtual void step() {}
    // A press comes to step() only when the key time has passed since the activity's last
    // accepted press, which outlives the screen; also a press the activity makes itself.
    void acceptPress();

    // Loads the activity's list, shuffled when the adult asked for random order, and writes the
    // settings row: the shared settings, the list and its number of exercises, then
    // `moreSettings`. False, with the menu as the next screen, when the list is missing.
    bool startList(std::string_view moreSettings = {});
    // The list has been gone through: the log notes it, and a list in random order is shuffled
    // anew for the next round.
    void listGoneThrough();

    // Loads the stop button at (10, 10) with its red frame, cached or plain.
    void loadStopButton(bool cached);
    // Draws the stop button with its frame, when the adult has it shown.
    void drawStopButton();
    // A press on the shown stop button leads back to the menu, under the lock once held long
    // enough; true when (x, y) was on it.
    bool stopButtonPressed(int x, int y);
    // Esc leads back to the menu, under the lock once held long enough.
    void escapePressed();
    // Called first in every update: a hold that has lasted leads back to the menu.
    void leaveWhenHeld();
    // When a running hold to leave next needs a turn.
    NextTurn holdTurn() const { return leave_.nextTurn(); }

    ScreenServices& services_;
    // The activity: the index of its settings and of its last accepted press.
    const ScreenId id_;
    Options options_;
    // The activity's exercises, read from the settings' language folder.
    ContentList list_;
    bool contactHeld_ = false;
    NextScreen nextScreenId_ = Stay;
    Picture stopButton_;
    HoldToLeave leave_;

private:
    void shuffleWhenAsked();

    const PressRules rules_;
};

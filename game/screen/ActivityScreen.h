// SPDX-License-Identifier: GPL-3.0-or-later
// What the six activities share: the contact-held flag that makes a held switch count once, the
// id the screen returns next, and the way out by Esc or the stop button, held for a time under
// the lock a child cannot undo.
#pragma once

#include "game/content/ContentList.h"
#include "game/content/Options.h"
#include "game/gfx/Picture.h"
#include "game/input/HoldToLeave.h"
#include "game/screen/Screen.h"
#include "game/screen/ScreenServices.h"

class ActivityScreen : public Screen {
public:
    explicit ActivityScreen(ScreenServices& services);

    // Returns the next screen id and does nothing else but end a hold that has lasted.
    NextScreen update() override;
    // With the update above the activity only answers input: a turn is due only when it leaves
    // or a hold to leave runs out. An activity with an update of its own says when it needs its
    // turns, and adds holdTurn.
    NextTurn nextTurn() const override;
    // Any release re-arms the contact: keys and buttons share one flag. It ends a hold to leave.
    void mouseUp(int x, int y) override;
    void keyUp(int key) override;
    // Hover test of the stop button; leaving the button ends a hold on it.
    void mouseMove(int x, int y) override;

protected:
    // The background of an exercise: the adult's colour for the activity, unless it is the grey
    // that asks for each exercise's own colour; an exercise without one, or none, keeps the grey.
    static std::uint32_t exerciseBackground(std::uint32_t setting, const Exercise* exercise);

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
    Options options_;
    // The activity's exercises, read from the settings' language folder.
    ContentList list_;
    bool contactHeld_ = false;
    NextScreen nextScreenId_ = Stay;
    Picture stopButton_;
    HoldToLeave leave_;
};

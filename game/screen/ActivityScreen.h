// SPDX-License-Identifier: GPL-3.0-or-later
// What the six activities share: the contact-held flag that makes a held switch count once, the
// id the screen returns next, and the stop button that ends the activity.
#pragma once

#include "game/content/ContentList.h"
#include "game/content/Options.h"
#include "game/gfx/Picture.h"
#include "game/screen/Screen.h"
#include "game/screen/ScreenServices.h"

class ActivityScreen : public Screen {
public:
    explicit ActivityScreen(ScreenServices& services);

    // Returns the next screen id and does nothing else.
    NextScreen update() override;
    // With the update above the activity only answers input: a turn is due only when it leaves.
    // An activity with an update of its own says when it needs its turns.
    NextTurn nextTurn() const override;
    // Any release re-arms the contact: keys and buttons share one flag.
    void mouseUp(int x, int y) override;
    void keyUp(int key) override;
    // Hover test of the stop button.
    void mouseMove(int x, int y) override;

protected:
    // The background of an exercise: the adult's colour for the activity, unless it is the grey
    // that asks for each exercise's own colour; an exercise without one, or none, keeps the grey.
    static std::uint32_t exerciseBackground(std::uint32_t setting, const Exercise* exercise);

    // Loads the stop button at (10, 10) with its red frame, cached or plain.
    void loadStopButton(bool cached);
    // Draws the stop button with its frame, when the adult has it shown.
    void drawStopButton();
    // A press on the shown stop button leads back to the menu; true when (x, y) was on it.
    bool stopButtonPressed(int x, int y);

    ScreenServices& services_;
    Options options_;
    // The activity's exercises, read from the settings' language folder.
    ContentList list_;
    int contactHeld_ = 0;
    NextScreen nextScreenId_ = Stay;
    Picture stopButton_;
};

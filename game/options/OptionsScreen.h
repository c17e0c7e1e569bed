// SPDX-License-Identifier: GPL-3.0-or-later
// The options screen, where an adult sets the game up for a child: per screen the sound, music,
// background colour, order and content list; the switch setup; the settings of single
// activities; the language of the whole game. Seven tabs choose the screen whose settings show.
// Meant for the mouse: it has no scanner. Its changes reach the other screens through
// options\vimo.opt, which it writes when it is left, or, while that file cannot be written, through
// the settings the session keeps.
#pragma once

#include "game/content/Options.h"
#include "game/options/OptionsChoosers.h"
#include "game/options/OptionsControls.h"
#include "game/options/OptionsLayout.h"
#include "game/options/OptionsPainter.h"
#include "game/options/OptionsTab.h"
#include "game/options/OptionsTexts.h"
#include "game/screen/Screen.h"
#include "game/screen/ScreenServices.h"

#include <cstdint>
#include <string_view>

class OptionsScreen : public Screen {
public:
    explicit OptionsScreen(ScreenServices& services);
    // Changes not yet written (the game was ended by the system while this screen showed) are
    // written now, so that none is lost.
    ~OptionsScreen() override;
    OptionsScreen(const OptionsScreen&) = delete;
    OptionsScreen& operator=(const OptionsScreen&) = delete;

    bool begin(Graphics& offscreen, Graphics& window, Image& offscreenImage) override;
    // Prepares the value texts of the boxes after a press may have changed a value; returns the
    // next screen's id.
    NextScreen update() override;
    void draw() override;
    // The screen only answers input.
    NextTurn nextTurn() const override { return NextTurn::never(); }
    void mouseDown(int x, int y) override;
    void mouseMove(int x, int y) override;
    void keyDown(int key) override;

    // For tests.
    const Options& options() const { return options_; }
    const OptionsLayout& layout() const { return layout_; }
    const OptionsChoosers& choosers() const { return choosers_; }
    OptionsTab currentTab() const { return tab_; }
    bool aboutShown() const { return aboutShown_; }

private:
    void click();
    void reset();
    void showAbout();
    void closeAbout();
    // Writes the settings for the screens that follow, then goes back to the menu. When they
    // cannot be written, says why; the session keeps them, so the game plays on with them.
    void leave();
    // Writes the settings; when that fails the session keeps them for the screens that follow.
    bool saveSettings(std::uint32_t& error);
    void chooseTab(OptionsTab tab);
    void setHelpLine(std::u16string_view text);
    void prepareValueTexts();
    // The screen's own words, the about picture and the lists offered, in the language just
    // chosen: the adult sees the choice take effect at once. Other screens follow as they start.
    void followLanguage();

    ScreenServices& services_;
    NextScreen nextScreenId_ = Stay;
    OptionsTab tab_ = OptionsTab::Menu;
    bool aboutShown_ = false;
    bool unsavedChanges_ = false;
    // A press came since the value texts were last prepared.
    bool valueTextsDue_ = true;
    Options options_;
    OptionsChoosers choosers_;
    OptionsTexts texts_;
    OptionsLayout layout_;
    OptionsControls controls_;
    OptionsPainter painter_;
};

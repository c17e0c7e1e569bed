// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the screen for an id, after destroying the current one, so the old screen's sounds
// stop before the new screen starts. Every screen gets the program's services from here.
#pragma once

#include "game/screen/Screen.h"
#include "game/screen/ScreenServices.h"

#include <memory>

class ScreenFactory {
public:
    explicit ScreenFactory(ScreenServices services) : services_(services) {}
    virtual ~ScreenFactory() = default;

    // Destroys the current screen, then builds the one for `id`.
    void build(ScreenId id);
    // Destroys the current screen and leaves none: the end of the game.
    void close();

    Screen* current() const { return current_.get(); }
    // The id of the screen built last.
    ScreenId currentId() const { return currentId_; }
    ScreenServices& services() { return services_; }

protected:
    // The screen for `id`; none ends the game.
    virtual std::unique_ptr<Screen> make(ScreenId id);

private:
    // Ends the current screen: its end row, the screen itself (so its sounds stop), then the kept
    // rows written before the next screen begins.
    void endScreen();

    ScreenServices services_;
    std::unique_ptr<Screen> current_;
    ScreenId currentId_ = MenuId;
};

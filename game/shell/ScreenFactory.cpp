// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenFactory.h"

#include "game/activities/ActivityFactory.h"
#include "game/options/OptionsScreen.h"
#include "game/shell/MenuScreen.h"

void ScreenFactory::build(ScreenId id) {
    // The old screen goes first, so its sounds stop before the new one starts.
    current_.reset();
    services_.access = readAccessSettings(services_.files);
    current_ = make(id);
}

std::unique_ptr<Screen> ScreenFactory::make(ScreenId id) {
    if (id == OptionsId) {
        return std::make_unique<OptionsScreen>(services_);
    }
    if (id >= RingsId && id <= MovingPictureId) {
        if (auto activity = makeActivityScreen(id, services_)) {
            return activity;
        }
    }
    // The menu, and for a screen not built yet the menu again, so a choice never strands the
    // child.
    return std::make_unique<MenuScreen>(services_);
}

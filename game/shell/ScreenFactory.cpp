// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenFactory.h"

#include "game/activities/ActivityFactory.h"
#include "game/options/OptionsScreen.h"
#include "game/shell/MenuScreen.h"

void ScreenFactory::build(ScreenId id) {
    // The old screen goes first, so its sounds stop before the new one starts.
    endScreen();
    services_.access =
        readAccessSettings(services_.files, kAccessSettingsPath, services_.system.access);
    services_.log.setEnabled(services_.access.log);
    current_ = make(id);
    currentId_ = id;
    services_.log.screenStarted(rowOf(id).logName);
}

void ScreenFactory::close() {
    endScreen();
}

void ScreenFactory::endScreen() {
    if (current_) {
        services_.log.screenEnded();
        current_.reset();
    }
    services_.log.flush();
}

std::unique_ptr<Screen> ScreenFactory::make(ScreenId id) {
    if (id == OptionsId) {
        return std::make_unique<OptionsScreen>(services_);
    }
    if (rowOf(id).menuPlace > 0) {
        if (auto activity = makeActivityScreen(id, services_)) {
            return activity;
        }
    }
    // The menu, and for a screen not built yet the menu again, so a choice never strands the
    // child.
    return std::make_unique<MenuScreen>(services_);
}

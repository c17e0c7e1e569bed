#include "ScreenFactory.h"

#include "game/shell/MenuScreen.h"

int ScreenFactory::build(ScreenId id) {
    // The old screen goes first, so its sounds stop before the new one starts.
    current_.reset();
    if (id == Quit) {
        return 0;
    }
    current_ = make(id);
    return current_ ? 1 : 0;
}

std::unique_ptr<Screen> ScreenFactory::make(ScreenId id) {
    switch (id) {
    default:
        // The activities and the options screen join here as they are built; until then a
        // choice brings the menu back.
        return std::make_unique<MenuScreen>(services_);
    }
}

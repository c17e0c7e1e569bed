#include "ActivityFactory.h"

std::unique_ptr<Screen> makeActivityScreen(ScreenId id, ScreenServices& services) {
    (void)services;
    switch (id) {
    default:
        return nullptr;
    }
}

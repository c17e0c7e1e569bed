// SPDX-License-Identifier: GPL-3.0-or-later
#include "ActivityFactory.h"

#include "FindImagesScreen.h"
#include "MovingPictureScreen.h"
#include "PaintScreen.h"
#include "PictureWordScreen.h"
#include "RingsScreen.h"
#include "ShapesScreen.h"

std::unique_ptr<Screen> makeActivityScreen(ScreenId id, ScreenServices& services) {
    (void)services;
    switch (id) {
    case ShapesId:
        return std::make_unique<ShapesScreen>(services, 1);
    case MovingPictureId:
        return std::make_unique<MovingPictureScreen>(services);
    case RingsId:
        return std::make_unique<RingsScreen>(services);
    case PaintId:
        return std::make_unique<PaintScreen>(services);
    case FindImagesId:
        return std::make_unique<FindImagesScreen>(services);
    case PictureWordId:
        return std::make_unique<PictureWordScreen>(services);
    default:
        return nullptr;
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenRun.h"

#include "game/shell/sdl/XWindowWatch.h"

void runScreens(ScreenFactory& factory, ScreenId first, SDL_Window* window, SdlSurfaces& surfaces,
                SdlEventSource& events, FrameSink& frames) {
    frames.screenChanging();
    factory.build(first);
    const DrawingSurfaces drawing{surfaces.offscreen(), surfaces.window(),
                                  surfaces.offscreenImage()};
    factory.current()->begin(drawing.offscreen, drawing.window, drawing.offscreenImage);
    SDL_SetCursor(SDL_GetDefaultCursor());
    // An X error no longer ends the game; a window destroyed by another program ends it as Esc.
    XWindowWatch watchedEvents(window, events, [&factory] { factory.close(); });
    runMainLoop(factory, watchedEvents, frames, drawing);
    factory.close();
}

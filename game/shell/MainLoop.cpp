#include "MainLoop.h"

void dispatch(const InputEvent& event, Screen* screen) {
    if (!screen) {
        return;
    }
    switch (event.type) {
    case InputEvent::KeyDown:
        screen->keyDown(event.key);
        break;
    case InputEvent::KeyUp:
        screen->keyUp(event.key);
        break;
    case InputEvent::MouseDown:
        screen->mouseDown(event.x, event.y);
        break;
    case InputEvent::MouseUp:
        screen->mouseUp(event.x, event.y);
        break;
    case InputEvent::MouseMove:
        screen->mouseMove(event.x, event.y);
        break;
    case InputEvent::Quit:
        break;
    }
}

void runMainLoop(ScreenFactory& factory, EventSource& events, FrameSink& frames,
                 DrawingSurfaces surfaces) {
    while (factory.current()) {
        if (const std::optional<InputEvent> event = events.next()) {
            if (event->type == InputEvent::Quit) {
                return;
            }
            dispatch(*event, factory.current());
        }
        const ScreenId id = factory.current()->update();
        if (id == Stay) {
            factory.current()->draw();
            frames.endTurn();
        } else if (factory.build(id) == 0) {
            return;
        } else {
            factory.current()->begin(surfaces.offscreen, surfaces.window, surfaces.offscreenImage);
        }
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainLoop.h"

#include "game/input/SwitchTiming.h"
#include "game/shell/PressLog.h"

#include <vector>

namespace {

// The switch timing is the child's: the adult's options screen takes presses as they come.
void useTimingOf(ScreenFactory& factory, SwitchTiming& timing) {
    timing.use(factory.services().access, factory.currentId() != OptionsId);
}

} // namespace

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
    // A screen just begun has not drawn yet: its first turn comes at once.
    bool begun = true;
    PressLog presses(factory.services().log);
    SwitchTiming timing(factory.services().clock);
    useTimingOf(factory, timing);
    std::vector<InputEvent> handed;
    while (factory.current()) {
        const NextTurn wait =
            begun ? NextTurn::now()
                  : frames.pace(factory.current()->nextTurn().soonest(timing.nextTurn()));
        begun = false;
        if (const std::optional<InputEvent> event = events.next(wait)) {
            if (event->type == InputEvent::Quit) {
                return;
            }
            timing.take(*event, handed);
        }
        timing.turn(handed);
        for (const InputEvent& press : handed) {
            presses.take(press, static_cast<GameScreen>(factory.currentId()));
            if (press.type == InputEvent::KeyDown || press.type == InputEvent::MouseDown) {
                frames.pressTaken();
            }
            dispatch(press, factory.current());
        }
        handed.clear();
        const NextScreen next = factory.current()->update();
        if (next.stays()) {
            factory.current()->draw();
            frames.endTurn();
        } else if (const std::optional<ScreenId> id = next.screen()) {
            frames.screenChanging();
            factory.build(*id);
            useTimingOf(factory, timing);
            begun = true;
            if (Screen* screen = factory.current()) {
                screen->begin(surfaces.offscreen, surfaces.window, surfaces.offscreenImage);
            }
        } else {
            factory.close();
        }
    }
}

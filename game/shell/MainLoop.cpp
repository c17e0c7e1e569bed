// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainLoop.h"

#include "game/input/SwitchTiming.h"
#include "game/platform/KeyCodes.h"

#include <bitset>
#include <vector>

namespace {

// Writes a switch press to the session log: Space is the first switch, Enter the second, a key
// from a controller button the controller, a game mouse button the mouse. A key held down counts
// once, however often the keyboard repeats it.
void logPress(const InputEvent& event, SessionLog& log, std::bitset<256>& heldKeys) {
    const bool known = event.key >= 0 && event.key < static_cast<int>(heldKeys.size());
    if (event.type == InputEvent::KeyUp && known) {
        heldKeys.reset(static_cast<std::size_t>(event.key));
    } else if (event.type == InputEvent::MouseDown) {
        log.press(LogInput::Mouse);
    } else if (event.type == InputEvent::KeyDown && known &&
               (event.key == kKeySpace || event.key == kKeyEnter) &&
               !heldKeys.test(static_cast<std::size_t>(event.key))) {
        heldKeys.set(static_cast<std::size_t>(event.key));
        log.press(event.fromController     ? LogInput::Controller
                  : event.key == kKeySpace ? LogInput::First
                                           : LogInput::Second);
    }
}

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
    std::bitset<256> heldKeys;
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
            logPress(press, factory.services().log, heldKeys);
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

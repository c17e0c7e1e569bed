// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/shell/sdl/SdlEventSource.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// SDL's events, every field given in the order SDL declares them.
SDL_Event keyEvent(Uint32 type, SDL_Scancode scancode, Uint16 mod = KMOD_NONE, Uint8 repeat = 0) {
    return {.key = {type, 0, 0, 0, repeat, 0, 0, {scancode, 0, mod, 0}}};
}

SDL_Event buttonEvent(Uint32 type, Uint8 button, Uint8 clicks, int x = 10, int y = 20) {
    return {.button = {type, 0, 0, 0, button, 0, clicks, 0, x, y}};
}

SDL_Event motionEvent(int x, int y) {
    return {.motion = {SDL_MOUSEMOTION, 0, 0, 0, 0, x, y, 0, 0}};
}

// An event that carries nothing but its type, or a window event of the given kind.
SDL_Event plainEvent(Uint32 type, SDL_WindowEventID window = SDL_WINDOWEVENT_NONE) {
    return {.window = {type, 0, 0, static_cast<Uint8>(window), 0, 0, 0, 0, 0}};
}

// The message a screen hears, in a few words; empty when it hears nothing.
std::string heard(const std::optional<InputEvent>& event) {
    if (!event) {
        return "";
    }
    const char* names[] = {"key down ", "key up ", "press ", "release ", "move ", "quit"};
    std::string out = names[event->type];
    if (event->type == InputEvent::KeyDown || event->type == InputEvent::KeyUp) {
        return out + std::to_string(event->key) + (event->fromController ? " by controller" : "");
    }
    if (event->type != InputEvent::Quit) {
        out += std::to_string(event->x) + "," + std::to_string(event->y);
    }
    return out;
}

} // namespace

class SdlEventSourceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(SDL_Init(SDL_INIT_EVENTS), 0) << SDL_GetError(); }
    static void TearDownTestSuite() { SDL_Quit(); }

    int exposures = 0;
    int resets = 0;
    AccessSettings access;
    SdlEventSource events{[this] { ++exposures; }, [this] { ++resets; }, access};
};

// Keys arrive as virtual-key codes with auto-repeat, system keys stay with the system, only the
// odd presses of a quick run of clicks reach the screen (every release does), and only the
// system's quit ends the game: a close request from the window is ignored.
TEST_F(SdlEventSourceTest, EachSdlEventBecomesTheScreensMessageOrNothing) {
    struct Case {
        SDL_Event event;
        std::string heard;
    };
    const Case cases[] = {
        {keyEvent(SDL_KEYDOWN, SDL_SCANCODE_SPACE), "key down 32"},
        {keyEvent(SDL_KEYDOWN, SDL_SCANCODE_RETURN), "key down 13"},
        {keyEvent(SDL_KEYDOWN, SDL_SCANCODE_KP_ENTER), "key down 13"},
        {keyEvent(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE), "key down 27"},
        {keyEvent(SDL_KEYDOWN, SDL_SCANCODE_A), "key down 65"},
        {keyEvent(SDL_KEYDOWN, SDL_SCANCODE_F1), "key down 112"},
        {keyEvent(SDL_KEYDOWN, SDL_SCANCODE_SPACE, KMOD_NONE, 1), "key down 32"}, // auto-repeat
        {keyEvent(SDL_KEYDOWN, SDL_SCANCODE_MUTE), "key down 255"}, // any key is some key
        {keyEvent(SDL_KEYUP, SDL_SCANCODE_RETURN), "key up 13"},
        {keyEvent(SDL_KEYDOWN, SDL_SCANCODE_F4, KMOD_LALT), ""},
        {keyEvent(SDL_KEYDOWN, SDL_SCANCODE_F10), ""},
        {buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1), "press 10,20"},
        {buttonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 1), "release 10,20"},
        {buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 2), ""},
        {buttonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 2), "release 10,20"},
        {buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 3), "press 10,20"},
        {buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 1), "press 10,20"},
        {buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 1), ""},
        {motionEvent(30, 40), "move 30,40"},
        {plainEvent(SDL_WINDOWEVENT, SDL_WINDOWEVENT_CLOSE), ""},
        {plainEvent(SDL_QUIT), "quit"},
        {plainEvent(SDL_WINDOWEVENT, SDL_WINDOWEVENT_EXPOSED), ""},
        {plainEvent(SDL_RENDER_TARGETS_RESET), ""},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(heard(events.translate(cases[i].event)), cases[i].heard)
            << "row " << i << ", SDL event " << cases[i].event.type;
    }
    // The last two ask for the frame anew instead.
    EXPECT_EQ(exposures, 1);
    EXPECT_EQ(resets, 1);
}

TEST_F(SdlEventSourceTest, AScannerMoveArrivesLaterAndPressesCountThereUntilTheMouseMoves) {
    events.pointerWarped(137, 197);
    // The platform's echo of the warp is dropped; the screen hears the move once, in a later turn.
    EXPECT_EQ(heard(events.translate(motionEvent(137, 197))), "");
    EXPECT_EQ(heard(events.next(NextTurn::now())), "move 137,197");
    // Where the visible pointer did not move, a press still lands on the scanned point.
    EXPECT_EQ(
        heard(events.translate(buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1, 600, 500))),
        "press 137,197");
    // A real move ends that.
    EXPECT_EQ(heard(events.translate(motionEvent(300, 300))), "move 300,300");
    EXPECT_EQ(
        heard(events.translate(buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1, 301, 302))),
        "press 301,302");
}

// A switch box that is a game controller, plugged in while the game runs, through SDL's own
// virtual controller: the chosen first button is the first switch (Space) and every other the
// second (Enter), and unplugging it lets go of what it held (which buttons make one switch held
// is ControllerSwitches' rule).
TEST_F(SdlEventSourceTest, ControllerButtonsReachTheGameAsTheTwoSwitches) {
    const auto heardNow = [this] {
        std::string all;
        for (int turn = 0; turn < 8; ++turn) {
            const std::string one = heard(events.next(NextTurn::now()));
            all += all.empty() || one.empty() ? one : ", " + one;
        }
        return all;
    };
    const int device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 0, 4, 0);
    ASSERT_GE(device, 0) << SDL_GetError();
    EXPECT_EQ(heardNow(), "");
    // Only a controller the game opened has a handle to press its buttons through.
    SDL_Joystick* controller = SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(device));
    ASSERT_NE(controller, nullptr) << "the controller plugged in was not opened";
    struct Row {
        int button;
        Uint8 state;
        int firstButton;
        std::string heard;
    };
    const Row rows[] = {
        {0, 1, 0, "key down 32 by controller"},
        {0, 0, 0, "key up 32 by controller"},
        {3, 1, 0, "key down 13 by controller"}, // every other button is the second switch
        {3, 0, 0, "key up 13 by controller"},
        {2, 1, 2, "key down 32 by controller"}, // the adult chose button 2 as the first switch
        {0, 1, 2, "key down 13 by controller"},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        access.controllerFirstButton = rows[i].firstButton;
        ASSERT_EQ(SDL_JoystickSetVirtualButton(controller, rows[i].button, rows[i].state), 0);
        EXPECT_EQ(heardNow(), rows[i].heard) << "row " << i;
    }
    // Unplugged with both switches held: both are let go, and the handle is closed.
    ASSERT_EQ(SDL_JoystickDetachVirtual(device), 0) << SDL_GetError();
    EXPECT_EQ(heardNow(), "key up 13 by controller, key up 32 by controller");
    EXPECT_EQ(SDL_NumJoysticks(), 0);
}

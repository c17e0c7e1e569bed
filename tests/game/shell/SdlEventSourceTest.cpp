// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/shell/sdl/SdlEventSource.h"

#include "TemporaryFolder.h"
#include "game/shell/sdl/ControllerHotplug.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// SDL's events, every field given in the order SDL declares them.
SDL_Event keyEvent(SDL_Scancode scancode, Uint16 mod = KMOD_NONE) {
    return {.key = {SDL_KEYDOWN, 0, 0, 0, 0, 0, 0, {scancode, 0, mod, 0}}};
}

SDL_Event pressEvent(Uint8 button, Uint8 clicks, Uint32 type = SDL_MOUSEBUTTONDOWN) {
    return {.button = {type, 0, 0, 0, button, 0, clicks, 0, 10, 20}};
}

// An event that carries nothing but its type, or a window event of the given kind.
SDL_Event plainEvent(Uint32 type, SDL_WindowEventID window = SDL_WINDOWEVENT_NONE) {
    return {.window = {type, 0, 0, static_cast<Uint8>(window), 0, 0, 0, 0, 0}};
}

// The message a screen hears, in a few words; empty when it hears nothing.
std::string heard(const std::optional<InputEvent>& event) {
    const char* names[] = {"key down ", "key up ", "press", "release", "move", "quit"};
    const bool key =
        event && (event->type == InputEvent::KeyDown || event->type == InputEvent::KeyUp);
    return !event ? ""
                  : names[event->type] + (key ? std::to_string(event->key) : "") +
                        (event->fromController ? " by controller" : "");
}

} // namespace

class SdlEventSourceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(SDL_Init(SDL_INIT_EVENTS), 0) << SDL_GetError(); }
    static void TearDownTestSuite() { SDL_Quit(); }

    int exposures = 0;
    AccessSettings access;
    SdlEventSource events{[this] { ++exposures; }, [] {}, access};
};

// Keys arrive as virtual-key codes, system keys stay with the system, only the odd clicks of a
// quick run reach the screen (press and release: a release never acts without its press), and only
// the system's quit ends the game: a close request from the window is ignored.
TEST_F(SdlEventSourceTest, EachSdlEventBecomesTheScreensMessageOrNothing) {
    const struct {
        SDL_Event event;
        std::string heard;
    } cases[] = {
        {keyEvent(SDL_SCANCODE_KP_ENTER), "key down 13"},
        {keyEvent(SDL_SCANCODE_F4, KMOD_LALT), ""},
        {pressEvent(SDL_BUTTON_LEFT, 2), ""}, // the second click of a quick pair, whole
        {pressEvent(SDL_BUTTON_LEFT, 2, SDL_MOUSEBUTTONUP), ""},
        {pressEvent(SDL_BUTTON_RIGHT, 1), "press"},
        {pressEvent(SDL_BUTTON_RIGHT, 1, SDL_MOUSEBUTTONUP), "release"},
        {plainEvent(SDL_WINDOWEVENT, SDL_WINDOWEVENT_CLOSE), ""},
        {plainEvent(SDL_QUIT), "quit"},
        {plainEvent(SDL_WINDOWEVENT, SDL_WINDOWEVENT_EXPOSED), ""},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(heard(events.translate(cases[i].event)), cases[i].heard)
            << "row " << i << ", SDL event " << cases[i].event.type;
    }
    EXPECT_EQ(exposures, 1); // the last asks for the frame anew instead
}

// A switch box that is a game controller, plugged in while the game runs: the chosen first button
// is the first switch (Space) and every other the second (Enter); unplugging it lets go of both.
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
    EXPECT_EQ(heardNow(), ""); // the game opens it as it hears of it
    // Only a controller the game opened has a handle to press its buttons through.
    SDL_Joystick* controller = SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(device));
    ASSERT_NE(controller, nullptr) << "the controller plugged in was not opened";
    const struct {
        int button;
        Uint8 state;
        int firstButton;
        std::string heard;
    } rows[] = {
        {0, 1, 0, "key down 32 by controller"},
        {0, 0, 0, "key up 32 by controller"},
        {2, 1, 2, "key down 32 by controller"}, // the adult chose button 2 as the first switch
        {0, 1, 2, "key down 13 by controller"}, // every other button is the second switch
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

// At rest SDL no longer wakes to look for controllers: it looks only once the system says a
// device came or went (an input folder made, a device in it), and for a while after; a folder it
// cannot watch leaves SDL looking as it always does.
TEST_F(SdlEventSourceTest, SdlLooksForControllersOnlyAfterADeviceComesOrGoes) {
    const auto looking = [] { return std::string(SDL_GetHint(SDL_HINT_AUTO_UPDATE_JOYSTICKS)); };
    const TemporaryFolder devices;
    {
        ControllerHotplug hotplug(devices.path());
        EXPECT_EQ(hotplug.settle(), std::nullopt);
        EXPECT_EQ(looking(), "0");
        for (const char* made : {"input", "input/event7"}) {
            SCOPED_TRACE(made);
            made == std::string("input") ? devices.makeFolder(made) : devices.write(made, "");
            SDL_Event event;
            ASSERT_EQ(SDL_WaitEventTimeout(&event, 10000), 1);
            EXPECT_TRUE(hotplug.takes(event));
            EXPECT_TRUE(hotplug.settle().has_value());
            EXPECT_EQ(looking(), "1");
        }
    }
    EXPECT_EQ(looking(), "1");
    ControllerHotplug unwatched(devices.path() / "none");
    EXPECT_EQ(unwatched.settle(), std::nullopt);
    EXPECT_EQ(looking(), "1");
}

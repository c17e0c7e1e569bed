// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's controllers through SDL, with SDL's virtual joysticks.
#include "editor/app/sdl/CSdlControllerButtons.h"

#include <SDL.h>
#include <algorithm>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

// A controller plugged in while listening is heard at once, a held button is one press, and one
// unplugged is let go of.
TEST(SdlControllerButtonsTest, HearsEachPressOfAControllerPluggedInWhileListening) {
    std::unique_ptr<ControllerButtons> controllers = CSdlControllerButtons::open();
    ASSERT_TRUE(controllers) << SDL_GetError();
    EXPECT_TRUE(controllers->takePresses().empty());
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 0, 4, 0);
    ASSERT_GE(index, 0) << SDL_GetError();
    EXPECT_TRUE(controllers->takePresses().empty()); // plugged in, opened, nothing pressed
    SDL_Joystick* joystick = SDL_JoystickOpen(index);
    ASSERT_NE(joystick, nullptr);
    const std::vector<std::pair<std::vector<int>, std::vector<int>>> steps = {
        {{2}, {2}}, // button 2 pressed
        {{2}, {}},  // and held
        {{0, 3}, {0, 3}},
        {{}, {}}, // all let go
    };
    for (const auto& [down, heard] : steps) {
        for (int button = 0; button < 4; ++button) {
            SDL_JoystickSetVirtualButton(joystick, button,
                                         std::find(down.begin(), down.end(), button) != down.end());
        }
        SDL_JoystickUpdate();
        EXPECT_EQ(controllers->takePresses(), heard);
    }
    SDL_JoystickClose(joystick);
    SDL_JoystickDetachVirtual(index);
    EXPECT_TRUE(controllers->takePresses().empty());
    controllers.reset();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_JOYSTICK), 0u);
}

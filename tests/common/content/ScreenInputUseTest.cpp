// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/content/ScreenInputUse.h"

#include <gtest/gtest.h>

// The menu and find images scan with Space and Enter and pass over other keys; the five other
// activities take any key or game mouse button; Esc is everyone's way out and no switch.
TEST(ScreenInputUseTest, EachScreenTakesEachInputByItsRule) {
    // One letter per screen in the order of kGameScreens: the first switch, the second, a
    // contact, not used, the way out.
    const std::pair<PressedInput, std::string> rows[] = {
        {PressedInput::Space, "fccfcccn"},           {PressedInput::Enter, "sccscccn"},
        {PressedInput::OtherKey, "nccncccn"},        {PressedInput::Escape, "wwwwwwww"},
        {PressedInput::GameMouseButton, "sccscccn"},
    };
    for (const auto& [input, uses] : rows) {
        std::string taken;
        for (const GameScreenRow& row : kGameScreens) {
            taken += "fscnw"[static_cast<int>(inputUseOn(row.screen, input))];
        }
        EXPECT_EQ(taken, uses) << static_cast<int>(input);
    }
}

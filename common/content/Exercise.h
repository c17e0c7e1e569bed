// SPDX-License-Identifier: GPL-3.0-or-later
// One exercise of a content list: what an activity shows, plays and says for it.
#pragma once

#include <cstdint>
#include <string>

// The activities' background setting that asks for each exercise's own colour, and an exercise's
// colour that says it has none (the activity then keeps the grey).
constexpr std::uint32_t kUseExerciseColour = 0xFF808080;
constexpr std::uint32_t kNoOwnColour = 0x00FFFFFF;

struct Exercise {
    std::u16string name;
    std::u16string image; // picture in the images folder of gfx (shown by activities 2, 3, 5 and 6)
    std::u16string sound; // sound in the images folder of sfx
    std::u16string speech;               // recording in the language's speech folder (activity 5)
    std::u16string text;                 // the word shown with the picture (activity 5)
    std::uint32_t colour = kNoOwnColour; // ARGB background; the alpha 0 preset means "none given"
};

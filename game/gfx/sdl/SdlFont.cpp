// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/sdl/SdlFont.h"

#include <utility>

SdlFont::SdlFont(TtfFontPtr font, std::u16string family, float pixels, std::uint64_t face)
    : font_(std::move(font)), family_(std::move(family)), pixels_(pixels), face_(face) {}

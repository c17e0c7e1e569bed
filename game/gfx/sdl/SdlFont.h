// SPDX-License-Identifier: GPL-3.0-or-later
// A font opened with SDL_ttf at a size in pixels per em. A font that could not be opened measures
// as nothing and draws nothing.
#pragma once

#include "game/gfx/Graphics.h"
#include "game/gfx/sdl/GraphicsHandles.h"

#include <cstdint>
#include <string>

class SdlFont : public Font {
public:
    SdlFont() = default;
    // `face` names the file and size, so that equal fonts share their rendered texts.
    SdlFont(TtfFontPtr font, std::u16string family, float pixels, std::uint64_t face);

    TTF_Font* get() const { return font_.get(); }
    // The family actually used, after any fallback.
    const std::u16string& family() const { return family_; }
    float pixels() const { return pixels_; }
    std::uint64_t face() const { return face_; }

private:
    TtfFontPtr font_;
    std::u16string family_;
    float pixels_ = 0;
    std::uint64_t face_ = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// Owners for the handles of SDL, SDL_image, SDL_ttf and fontconfig: each handle lives in exactly
// one std::unique_ptr whose small deleter returns it to its library.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>
#include <memory>

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
struct TextureDeleter {
    void operator()(SDL_Texture* texture) const { SDL_DestroyTexture(texture); }
};
struct RWopsDeleter {
    void operator()(SDL_RWops* rw) const { SDL_RWclose(rw); }
};
struct TtfFontDeleter {
    void operator()(TTF_Font* font) const { TTF_CloseFont(font); }
};
struct FcPatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};

using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;
using TexturePtr = std::unique_ptr<SDL_Texture, TextureDeleter>;
using RWopsPtr = std::unique_ptr<SDL_RWops, RWopsDeleter>;
using TtfFontPtr = std::unique_ptr<TTF_Font, TtfFontDeleter>;
using FcPatternPtr = std::unique_ptr<FcPattern, FcPatternDeleter>;

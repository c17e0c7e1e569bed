// SPDX-License-Identifier: GPL-3.0-or-later
// Rendered texts kept as textures, so that a screen drawing the same label every frame renders
// it once. Texts not drawn for a while are let go.
#pragma once

#include "game/gfx/Graphics.h"
#include "game/gfx/sdl/GraphicsHandles.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

class SdlFont;

struct TextTexture {
    SDL_Texture* texture = nullptr;
    int width = 0;
    int height = 0;
    std::uint64_t serial = 0;
};

class TextCache {
public:
    // Serial numbers come from `serials`, shared with the images.
    TextCache(SDL_Renderer* renderer, std::uint64_t& serials);

    // Null when the text shows nothing (empty, transparent, or no font).
    const TextTexture* get(std::u16string_view text, const SdlFont& font, std::uint32_t argb,
                           TextAlignment alignment);

    // Called once per frame. With `mayLetGo` (no recorded drawing still refers to a text) it drops
    // the texts not drawn during the last frames.
    void endFrame(bool mayLetGo);

    std::size_t size() const { return entries_.size(); }

private:
    struct Key {
        std::uint64_t face;
        std::u16string text;
        std::uint32_t argb;
        TextAlignment alignment;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };
    struct Entry {
        TexturePtr texture;
        TextTexture view;
        std::uint64_t lastUsed = 0;
    };

    SDL_Renderer* renderer_;
    std::uint64_t& serials_;
    std::uint64_t frame_ = 0;
    std::unordered_map<Key, Entry, KeyHash> entries_;
};

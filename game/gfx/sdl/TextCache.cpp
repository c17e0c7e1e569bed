// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/sdl/TextCache.h"

#include "game/gfx/sdl/SdlFont.h"
#include "game/gfx/sdl/TextLayout.h"

#include <functional>

namespace {
// Counted in turns of the main loop, about a thousand a second: a text unused for an eighth of a
// second is let go, so a changing text does not pile up textures. One that comes back later is
// laid out again, which costs less than a frame.
constexpr std::uint64_t kKeepFrames = 120;
constexpr std::size_t kMaxEntries = 512;
} // namespace

std::size_t TextCache::KeyHash::operator()(const Key& key) const {
    std::size_t hash = std::hash<std::u16string>{}(key.text);
    hash ^=
        std::hash<std::uint64_t>{}(key.face) + 0x9e3779b97f4a7c15ULL + (hash << 6) + (hash >> 2);
    hash ^=
        std::hash<std::uint32_t>{}(key.argb) + 0x9e3779b97f4a7c15ULL + (hash << 6) + (hash >> 2);
    return hash ^ static_cast<std::size_t>(key.alignment);
}

TextCache::TextCache(SDL_Renderer* renderer, std::uint64_t& serials)
    : renderer_(renderer), serials_(serials) {}

const TextTexture* TextCache::get(std::u16string_view text, const SdlFont& font, std::uint32_t argb,
                                  TextAlignment alignment) {
    if (text.empty() || font.get() == nullptr || (argb >> 24) == 0) {
        return nullptr;
    }
    // Alignment only moves lines against each other, so single lines share one entry.
    const bool oneLine = text.find_first_of(u"\r\n") == std::u16string_view::npos;
    Key key{font.face(), std::u16string(text), argb, oneLine ? TextAlignment::Near : alignment};
    auto found = entries_.find(key);
    if (found == entries_.end()) {
        const TextLayout layout(text, font.get());
        Entry entry;
        if (SurfacePtr surface = layout.render(argb, alignment)) {
            entry.texture.reset(SDL_CreateTextureFromSurface(renderer_, surface.get()));
            if (entry.texture) {
                SDL_SetTextureBlendMode(entry.texture.get(), SDL_BLENDMODE_BLEND);
                entry.view = TextTexture{entry.texture.get(), surface->w, surface->h, ++serials_};
            }
        }
        found = entries_.emplace(std::move(key), std::move(entry)).first;
    }
    found->second.lastUsed = frame_;
    return found->second.texture ? &found->second.view : nullptr;
}

void TextCache::endFrame(bool mayLetGo) {
    ++frame_;
    if (!mayLetGo) {
        return;
    }
    const bool crowded = entries_.size() > kMaxEntries;
    std::erase_if(entries_, [&](const auto& item) {
        const std::uint64_t idle = frame_ - item.second.lastUsed;
        return idle > kKeepFrames || (crowded && idle > 1);
    });
}

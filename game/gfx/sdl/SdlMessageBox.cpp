// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/sdl/SdlMessageBox.h"

#include "common/text/Utf8.h"
#include "game/gfx/TextWrap.h"
#include "game/gfx/sdl/FontFinder.h"
#include "game/gfx/sdl/GraphicsHandles.h"
#include "game/gfx/sdl/TextLayout.h"
#include "game/gfx/sdl/TtfLibrary.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// The box's measures in pixels: its text at most this wide, so that the box stays well inside an
// 800 x 600 game window and reads as a message, not a banner.
constexpr int kFontPixels = 18;
constexpr int kTextWidth = 480;
constexpr int kPadding = 24;
constexpr int kScreenMargin = 16;
constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 36;
constexpr std::uint32_t kBackground = 0xFFF2F2F2;
constexpr std::uint32_t kInk = 0xFF1A1A1A;
constexpr std::uint32_t kButtonFace = 0xFFFFFFFF;

struct RendererDeleter {
    void operator()(SDL_Renderer* renderer) const { SDL_DestroyRenderer(renderer); }
};
struct WindowDeleter {
    void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
};

void setColour(SDL_Renderer* renderer, std::uint32_t argb) {
    SDL_SetRenderDrawColor(renderer, (argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF, 0xFF);
}

TtfFontPtr openMessageFont() {
    FontFinder finder;
    const std::optional<FontFile> file = finder.sansSerif();
    return TtfFontPtr(file ? TTF_OpenFontIndex(file->path.c_str(), kFontPixels, file->index)
                           : nullptr);
}

// The area the box must fit in: the usable part of the screen the game (or the pointer) is on.
SDL_Rect screenArea(SDL_Window* parent) {
    const int display = parent ? std::max(0, SDL_GetWindowDisplayIndex(parent)) : 0;
    SDL_Rect area{0, 0, 800, 600};
    if (SDL_GetDisplayUsableBounds(display, &area) != 0 || area.w <= 0 || area.h <= 0) {
        SDL_GetDisplayBounds(display, &area);
    }
    return area;
}

// The box as it shows: its text laid out, its window, renderer and button.
class OpenBox {
public:
    OpenBox(SDL_Window* parent, TTF_Font* font, std::u16string_view text,
            std::u16string_view caption);
    bool opened() const { return renderer_ != nullptr; }
    SDL_Window* window() const { return window_.get(); }
    bool onButton(int x, int y) const {
        const SDL_Point point{x, y};
        return SDL_PointInRect(&point, &button_) == SDL_TRUE;
    }
    void draw() const;

private:
    void place(SDL_Window* parent, int width, int height, const std::string& title);
    void drawLabel(const TextLayout& layout, int x, int y) const;

    TextLayout text_;
    TextLayout label_;
    std::unique_ptr<SDL_Window, WindowDeleter> window_;
    std::unique_ptr<SDL_Renderer, RendererDeleter> renderer_;
    SDL_Rect button_{};
};

int widthIn(TTF_Font* font, std::u16string_view text) {
    int width = 0;
    TTF_SizeUTF8(font, toUtf8(text).c_str(), &width, nullptr);
    return width;
}

std::u16string wrappedFor(SDL_Window* parent, TTF_Font* font, std::u16string_view text) {
    const int widest = std::min(kTextWidth, screenArea(parent).w - 2 * (kScreenMargin + kPadding));
    return wrapText(text, std::max(widest, kFontPixels),
                    [font](std::u16string_view piece) { return widthIn(font, piece); });
}

OpenBox::OpenBox(SDL_Window* parent, TTF_Font* font, std::u16string_view text,
                 std::u16string_view caption)
    : text_(wrappedFor(parent, font, text), font), label_(u"OK", font) {
    const int width = std::max(text_.width(), kButtonWidth) + 2 * kPadding;
    const int height = text_.height() + kButtonHeight + 3 * kPadding;
    place(parent, width, height, toUtf8(caption));
}

// Centred over the game's window, or on the screen; never larger than the screen.
void OpenBox::place(SDL_Window* parent, int width, int height, const std::string& title) {
    const SDL_Rect area = screenArea(parent);
    width = std::min(width, area.w);
    height = std::min(height, area.h);
    SDL_Rect over = area;
    if (parent) {
        SDL_GetWindowPosition(parent, &over.x, &over.y);
        SDL_GetWindowSize(parent, &over.w, &over.h);
    }
    const int x = std::clamp(over.x + (over.w - width) / 2, area.x, area.x + area.w - width);
    const int y = std::clamp(over.y + (over.h - height) / 2, area.y, area.y + area.h - height);
    window_.reset(SDL_CreateWindow(title.c_str(), x, y, width, height, SDL_WINDOW_HIDDEN));
    if (!window_) {
        return;
    }
    if (parent) {
        SDL_SetWindowModalFor(window_.get(), parent);
    }
    renderer_.reset(SDL_CreateRenderer(window_.get(), -1, SDL_RENDERER_SOFTWARE));
    button_ = {(width - kButtonWidth) / 2, height - kPadding - kButtonHeight, kButtonWidth,
               kButtonHeight};
    SDL_ShowWindow(window_.get());
    // Without a window manager no one hands the box the keyboard.
    SDL_RaiseWindow(window_.get());
    SDL_SetWindowInputFocus(window_.get());
}

void OpenBox::drawLabel(const TextLayout& layout, int x, int y) const {
    const SurfacePtr surface = layout.render(kInk, TextAlignment::Near);
    const TexturePtr texture(surface ? SDL_CreateTextureFromSurface(renderer_.get(), surface.get())
                                     : nullptr);
    if (texture) {
        const SDL_Rect to{x, y, surface->w, surface->h};
        SDL_RenderCopy(renderer_.get(), texture.get(), nullptr, &to);
    }
}

void OpenBox::draw() const {
    SDL_Renderer* renderer = renderer_.get();
    setColour(renderer, kBackground);
    SDL_RenderClear(renderer);
    drawLabel(text_, kPadding, kPadding);
    setColour(renderer, kButtonFace);
    SDL_RenderFillRect(renderer, &button_);
    setColour(renderer, kInk);
    SDL_RenderDrawRect(renderer, &button_);
    drawLabel(label_, button_.x + (button_.w - label_.width()) / 2,
              button_.y + (button_.h - label_.height()) / 2);
    SDL_RenderPresent(renderer);
}

bool isAnswerKey(SDL_Keycode key) {
    return key == SDLK_RETURN || key == SDLK_KP_ENTER || key == SDLK_ESCAPE;
}

// What an event does to the open box: nothing, redraw it, or answer it.
enum class BoxEvent { Ignored, Redraw, Answered };

BoxEvent boxEvent(const OpenBox& box, const SDL_Event& event) {
    const Uint32 id = SDL_GetWindowID(box.window());
    switch (event.type) {
    case SDL_KEYDOWN:
        return event.key.windowID == id && isAnswerKey(event.key.keysym.sym) ? BoxEvent::Answered
                                                                             : BoxEvent::Ignored;
    case SDL_MOUSEBUTTONUP:
        return event.button.windowID == id && event.button.button == SDL_BUTTON_LEFT &&
                       box.onButton(event.button.x, event.button.y)
                   ? BoxEvent::Answered
                   : BoxEvent::Ignored;
    case SDL_WINDOWEVENT:
        if (event.window.windowID != id) {
            return BoxEvent::Ignored;
        }
        return event.window.event == SDL_WINDOWEVENT_CLOSE ? BoxEvent::Answered : BoxEvent::Redraw;
    default:
        return BoxEvent::Ignored;
    }
}

// Waits for the answer. The game's own window events (shown, resized, exposed) are handed back
// to the game afterwards; its input meanwhile is for the box only and goes. Returns whether the
// game was asked to end.
bool waitForAnswer(const OpenBox& box) {
    std::vector<SDL_Event> forTheGame;
    bool quit = false;
    SDL_Event event{};
    while (!quit && SDL_WaitEvent(&event) == 1) {
        if (event.type == SDL_QUIT) {
            quit = true;
            break;
        }
        const BoxEvent effect = boxEvent(box, event);
        if (effect == BoxEvent::Answered) {
            break;
        }
        if (effect == BoxEvent::Redraw) {
            box.draw();
        } else if (event.type == SDL_WINDOWEVENT) {
            forTheGame.push_back(event);
        }
    }
    for (SDL_Event& held : forTheGame) {
        SDL_PushEvent(&held);
    }
    return quit;
}

} // namespace

void SdlMessageBox::showError(std::u16string_view text, std::u16string_view caption) {
    const std::string message = toUtf8(text);
    const std::string title = toUtf8(caption);
    const TtfLibrary ttf;
    const TtfFontPtr font(ttf.started() ? openMessageFont() : nullptr);
    if (font) {
        OpenBox box(parent_, font.get(), text, caption);
        if (box.opened()) {
            box.draw();
            if (waitForAnswer(box)) {
                SDL_Event quit{};
                quit.type = SDL_QUIT;
                SDL_PushEvent(&quit);
            }
            return;
        }
    }
    // No font or no window of its own: the desktop's box, unwrapped, is better than none.
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), message.c_str(), parent_) !=
        0) {
        // No way to show a box at all: the adult still finds it here.
        std::fprintf(stderr, "%s: %s\n", title.c_str(), message.c_str());
    }
}

#include "game/shell/sdl/SdlEventSource.h"

#include <gtest/gtest.h>

namespace {

SDL_Event keyEvent(Uint32 type, SDL_Scancode scancode, Uint16 mod = KMOD_NONE, Uint8 repeat = 0) {
    SDL_Event event{};
    event.type = type;
    event.key.keysym.scancode = scancode;
    event.key.keysym.mod = mod;
    event.key.repeat = repeat;
    return event;
}

SDL_Event buttonEvent(Uint32 type, Uint8 button, Uint8 clicks, int x, int y) {
    SDL_Event event{};
    event.type = type;
    event.button.button = button;
    event.button.clicks = clicks;
    event.button.x = x;
    event.button.y = y;
    return event;
}

SDL_Event motionEvent(int x, int y) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.x = x;
    event.motion.y = y;
    return event;
}

SDL_Event windowEvent(SDL_WindowEventID id) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = static_cast<Uint8>(id);
    return event;
}

} // namespace

class SdlEventSourceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(SDL_Init(SDL_INIT_EVENTS), 0) << SDL_GetError(); }
    static void TearDownTestSuite() { SDL_Quit(); }

    int exposures = 0;
    int resets = 0;
    SdlEventSource events{[this] { ++exposures; }, [this] { ++resets; }};
};

TEST_F(SdlEventSourceTest, KeysBecomeVirtualKeyCodesAndSystemKeysStayAway) {
    struct Case {
        SDL_Event event;
        std::optional<int> key;
    };
    const Case cases[] = {
        {keyEvent(SDL_KEYDOWN, SDL_SCANCODE_SPACE), 32},
        {keyEvent(SDL_KEYDOWN, SDL_SCANCODE_RETURN), 13},
        {keyEvent(SDL_KEYDOWN, SDL_SCANCODE_KP_ENTER), 13},
        {keyEvent(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE), 27},
        {keyEvent(SDL_KEYDOWN, SDL_SCANCODE_A), 65},
        {keyEvent(SDL_KEYDOWN, SDL_SCANCODE_Z), 90},
        {keyEvent(SDL_KEYDOWN, SDL_SCANCODE_F1), 112},
        {keyEvent(SDL_KEYDOWN, SDL_SCANCODE_SPACE, KMOD_NONE, 1), 32}, // auto-repeat
        {keyEvent(SDL_KEYDOWN, SDL_SCANCODE_MUTE), 0xFF},               // any key is some key
        {keyEvent(SDL_KEYDOWN, SDL_SCANCODE_F4, KMOD_LALT), std::nullopt},
        {keyEvent(SDL_KEYDOWN, SDL_SCANCODE_LALT), std::nullopt},
        {keyEvent(SDL_KEYDOWN, SDL_SCANCODE_F10), std::nullopt},
        {keyEvent(SDL_KEYUP, SDL_SCANCODE_F10), std::nullopt},
    };
    for (const Case& c : cases) {
        const auto out = events.translate(c.event);
        ASSERT_EQ(out.has_value(), c.key.has_value()) << c.event.key.keysym.scancode;
        if (out) {
            EXPECT_EQ(out->type, InputEvent::KeyDown);
            EXPECT_EQ(out->key, *c.key);
        }
    }
    const auto up = events.translate(keyEvent(SDL_KEYUP, SDL_SCANCODE_RETURN));
    ASSERT_TRUE(up);
    EXPECT_EQ(up->type, InputEvent::KeyUp);
    EXPECT_EQ(up->key, 13);
}

TEST_F(SdlEventSourceTest, OnlyTheOddPressesOfAQuickRunReachTheScreenButEveryRelease) {
    struct Case {
        SDL_Event event;
        std::optional<InputEvent::Type> type;
    };
    const Case cases[] = {
        {buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1, 10, 20), InputEvent::MouseDown},
        {buttonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 1, 10, 20), InputEvent::MouseUp},
        {buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 2, 10, 20), std::nullopt},
        {buttonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 2, 10, 20), InputEvent::MouseUp},
        {buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 3, 10, 20), InputEvent::MouseDown},
        {buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 1, 10, 20), InputEvent::MouseDown},
        {buttonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 1, 10, 20), InputEvent::MouseUp},
        {buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 1, 10, 20), std::nullopt},
    };
    for (const Case& c : cases) {
        const auto out = events.translate(c.event);
        ASSERT_EQ(out.has_value(), c.type.has_value());
        if (out) {
            EXPECT_EQ(out->type, *c.type);
            EXPECT_EQ(out->x, 10);
            EXPECT_EQ(out->y, 20);
        }
    }
}

TEST_F(SdlEventSourceTest, CloseRequestsAreIgnoredAndTheSystemsQuitEndsTheGame) {
    EXPECT_FALSE(events.translate(windowEvent(SDL_WINDOWEVENT_CLOSE)));
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    const auto out = events.translate(quit);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->type, InputEvent::Quit);
    EXPECT_FALSE(events.translate(windowEvent(SDL_WINDOWEVENT_EXPOSED)));
    EXPECT_EQ(exposures, 1);
    SDL_Event reset{};
    reset.type = SDL_RENDER_TARGETS_RESET;
    EXPECT_FALSE(events.translate(reset));
    EXPECT_EQ(resets, 1);
}

TEST_F(SdlEventSourceTest, AScannerMoveArrivesLaterAndPressesCountThereUntilTheMouseMoves) {
    events.pointerWarped(137, 197);
    // The platform's echo of the warp is dropped; the screen hears the move once.
    EXPECT_FALSE(events.translate(motionEvent(137, 197)));
    const auto posted = events.next();
    ASSERT_TRUE(posted);
    EXPECT_EQ(posted->type, InputEvent::MouseMove);
    EXPECT_EQ(posted->x, 137);
    EXPECT_EQ(posted->y, 197);
    // Where the visible pointer did not move, a press still lands on the scanned point.
    auto down = events.translate(buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1, 600, 500));
    ASSERT_TRUE(down);
    EXPECT_EQ(std::make_pair(down->x, down->y), std::make_pair(137, 197));
    // A real move ends that.
    auto moved = events.translate(motionEvent(300, 300));
    ASSERT_TRUE(moved);
    down = events.translate(buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1, 301, 302));
    ASSERT_TRUE(down);
    EXPECT_EQ(std::make_pair(down->x, down->y), std::make_pair(301, 302));
}
